// The real window on Qt's offscreen platform, driven through its controls as
// the pupil drives it.

#include "BeadArray.h"
#include "HelpViewer.h"
#include "OrdelWindow.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestWindow : public QObject {
    Q_OBJECT
    // Draws 3 and 7 (the number to build) at start-up, then 2 and 5, and so on.
    struct Draws : ordel::RandomSource {
        int next = 0;
        void reseed() override {}
        int uniform(int k) override { return std::min(k, std::array{3, 7, 2, 5}[next++ % 4]); }
    };

    // The menu tree depth-first, a ">" for each level below the menu bar: name and
    // caption (none for a separator), "off" where switched off.
    static QString describe(const QList<QAction*>& actions, const QString& depth = {}) {
        QString out;
        for (const QAction* a : actions)
            out += depth + a->objectName() + u' ' + a->text() + (a->isEnabled() ? "|" : " off|") +
                   (a->menu() ? describe(a->menu()->actions(), depth + u'>') : QString());
        return out;
    }
    Draws draws;
    std::unique_ptr<OrdelWindow> window;
    QStringList box; // title, icon and buttons; text

    QWidget* w(const QString& name) const { return window->findChild<QWidget*>(name); }
    void choose(const char* item) const { window->findChild<QAction*>(item)->trigger(); }
    void click(const QString& button, int times = 1) const {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(w(button), Qt::LeftButton);
    }
    static QString read(QWidget* c, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(c)->text(text);
    }
    // The bead count that each rod's area, beads and add button tell readers.
    QString told() const {
        QString counts;
        for (const QString rod : {"Milhar", "Centena", "Dezena", "Unidade"})
            for (const QString& n : {"Image" + rod, rod.left(1), "Comando_" + rod})
                counts += read(w(n), QAccessible::Description).split(u';')[0].split(u'.')[0] + ',';
        return counts;
    }
    // Reads and answers the modal box open now. Armed on a timer before the
    // click that opens the box, it runs inside the box's own event loop.
    void answerBox() {
        auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(open != nullptr);
        box = QStringList{u"%1 %2 %3"_s.arg(open->windowTitle()).arg(open->icon()), open->text()};
        box[0] = box[0].arg(open->standardButtons());
        open->done(QMessageBox::Ok);
    }
    QString page() const { return window->findChild<QTextBrowser*>()->toPlainText(); }

private slots:
    // Every window is built under one style; the last test changes it.
    void initTestCase() { QApplication::setStyle(u"Windows"_s); }
    void init() {
        draws.next = 0;
        window = std::make_unique<OrdelWindow>(&draws);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void menusAndScreenReaders() {
        QVERIFY(!window->findChild<QAction*>("MnuJogo")->isVisible()); // at level "Iniciante"
        choose("MnuAvançado"); // every label filled, with "+"
        QVERIFY(window->findChild<QAction*>("MnuJogo")->isVisible());
        QCOMPARE(describe(window->menuBar()->actions()),
                 u"MnuArq &Arquivo|>MnuNovo &Novo...|>>MnuIniciante &Iniciante|>>MnuAvançado "
                 "&Avançado|>MnuEs |>MnuFechar Sai&r|MnuJogo &Operação|>MnuAdição &Adição|"
                 ">MnuSubtração &Subtração|>MnuMultiplicação &Multiplicação|>MnuDivisão "
                 "&Divisão|MnuSist &Sistema de numeração...|>MnUnidade &Unidade|>mnuDezena "
                 "&Dezena|>MNucentena &Centena|>MnuMilhar &Milhar|MnuApagar Apagar off|"
                 ">MNuDesfazer Desfazer|MnuAjuda Aj&uda|>MnuTópicos &Tópicos da ajuda|>MnuEsp |"
                 ">MnuSobre So&bre o Ordel|"_s);

        // Every control is named and described but the frame's lines and the
        // expected answer: hidden under CORRIGIR, it is kept from readers too.
        for (QWidget* c : window->centralWidget()->findChildren<QWidget*>())
            QVERIFY2((read(c, QAccessible::Name).isEmpty() ||
                      read(c, QAccessible::Description).isEmpty()) ==
                         QStringList({"Line1", "Resultado"}).contains(c->objectName()),
                     qPrintable(c->objectName()));
        QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(w("Resultado"));
        QVERIFY(hidden->state().invisible && hidden->text(QAccessible::Value).isEmpty());
        QVERIFY(!w("Resultado")->property("text").toString().isEmpty());
        // Signs are read as words.
        QCOMPARE(read(w("Símbolo"), QAccessible::Name) + read(w("Label2"), QAccessible::Name),
                 u"maisigual"_s);
        choose("MnuIniciante");
        QVERIFY(!window->findChild<QAction*>("MnuJogo")->isVisible());
    }

    void exercise() {
        // The focus starts on UNIDADE, where the space bar adds a units bead;
        // Tab goes round the five buttons.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QString order;
        for (int i = 0; i < 6; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order += QApplication::focusWidget()->objectName() + u' ';
        QCOMPARE(order, u"Comando_Unidade Comando_Dezena Comando_Centena "
                        "Comando_Milhar Cmd_Corrigir Comando_Unidade "_s);
        // 7 built: right, and the next number, 5. 3 is wrong.
        click("Comando_Unidade", 6);
        QTimer::singleShot(0, this, &TestWindow::answerBox);
        click("Cmd_Corrigir");
        QCOMPARE(box, QStringList({"Ordel 0 1024", "Muito bem, você acertou !!!"}));
        QCOMPARE(w("Numero2")->property("text"), QVariant(u"5"_s));
        click("Comando_Unidade", 3);
        QTimer::singleShot(0, this, &TestWindow::answerBox);
        click("Cmd_Corrigir");
        QCOMPARE(box, QStringList({"Ordel 0 1024", "Tente Novamente !!!"}));
    }

    void beadsTakenOff() {
        for (const QString rod : {"Milhar", "Centena", "Dezena", "Unidade"})
            click("Comando_" + rod, 3);
        // A press on each rod's second bead in turn, with another button or
        // modifier, goes through the bead to that rod's area alone.
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                           Qt::LeftButton};
        const Qt::KeyboardModifiers modifiers[] = {
            {}, {}, Qt::ControlModifier | Qt::AltModifier, Qt::ShiftModifier};
        for (int r = 0; r < 4; ++r) {
            const auto* beads = window->findChild<BeadArray*>(QString(u"MCDU"[r]));
            QTest::mouseClick(window->windowHandle(), buttons[r], modifiers[r],
                              beads->mapTo(window.get(), beads->beadRect(2).center()));
            QCOMPARE(told().count(u"2 contas"_s), 3 * (r + 1));
        }
        // Backspace and Delete on a focused add button take its rod's beads
        // off, one a key, and the focus stays; the space bar still adds. A
        // screen reader's press on the units area takes one off; the area's
        // value is the count.
        w("Comando_Centena")->setFocus();
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space})
            QTest::keyClick(w("Comando_Centena"), key);
        QCOMPARE(QApplication::focusWidget(), w("Comando_Centena"));
        QAccessibleInterface* units = QAccessible::queryAccessibleInterface(w("ImageUnidade"));
        units->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(units->valueInterface()->currentValue(), QVariant(1));
        QCOMPARE(told(), u"2 contas,2 contas,2 contas,1 conta,1 conta,1 conta,2 contas,2 contas,"
                         "2 contas,1 conta,1 conta,1 conta,"_s);
    }

    void messageBoxesHelpAndExit() {
        QTimer::singleShot(0, this, &TestWindow::answerBox);
        choose("MnuSobre");
        QCOMPARE(box[0], u"Sobre o Ordel 1 1024"_s); // information, OK alone
        QCOMPARE(box[1].size(), 741);
        QVERIFY(box[1].startsWith(u"     O Ordel"_s) && box[1].endsWith(u".org"));
        // Looked for beside the program first, and in the data folder too
        // (tst_desktop checks the XDG data folders between them).
        QCOMPARE(HelpViewer::defaultSearchFolders().first(),
                 QCoreApplication::applicationDirPath());
        QVERIFY(HelpViewer::defaultSearchFolders().contains(ORDEL_DATA_DIR));
        QTemporaryDir folder;
        auto* viewer = qobject_cast<HelpViewer*>(window->helpViewer());
        viewer->setSearchFolders({folder.filePath(u"beside"_s), folder.path()});
        // The file asked for, its bytes (none: not there) and what the page
        // shows. Of a large file only the first 32 KiB, or 1000 lines, are shown.
        const std::tuple<QString, QByteArray, QString> rows[] = {
            {"ORDEL.HLP", "# Ordel\n\n- Avançado\n", "Ordel\nAvançado"},
            {"nada", {}, "beside/nada: o arquivo não existe.\n" + folder.path() + "/nada: o"},
            {"vazio", " \n", "vazio: o arquivo está vazio."},
            {"/proc/self/mem", {}, "mem: o arquivo existe, mas não pôde ser lido."},
            {"largo", QByteArray(33000, 'x'), "grande demais"},
            {"longo", QByteArray("linha\n\n").repeated(600), "grande demais"},
            {"", {}, "Ajuda não encontrada\nNenhum arquivo de ajuda foi indicado."}};
        for (const auto& [name, bytes, shown] : rows) {
            QFile file(folder.filePath(name));
            QVERIFY(bytes.isNull() ||
                    (file.open(QIODevice::WriteOnly) && file.write(bytes) && file.flush()));
            viewer->setHelpFile(name);
            viewer->ShowHelp();
            QVERIFY2(page().contains(shown), qPrintable(page()));
        }
        // "Tópicos da ajuda" shows the help file from its top.
        choose("MnuTópicos");
        QVERIFY(page().startsWith(u"Ordel\nAvançado"_s));
        // "Sair" and closing the window end the run with no question; the
        // help goes with the window.
        for (const bool sair : {true, false}) {
            window->show();
            choose("MnuTópicos");
            QTimer::singleShot(0, [&] { sair ? choose("MnuFechar") : void(window->close()); });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!window->findChild<QWidget*>("HelpWindow")->isVisible());
        }
    }

    void drawingPlacesAndColours() {
        // At twice the density: device pixels in the window-text colour from
        // x0 to x1 on device row y.
        click("Comando_Unidade", 2);
        click("Comando_Milhar");
        QImage image(window->centralWidget()->size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        window->centralWidget()->render(&image);
        const auto ink = [&image](int y, int x0, int x1) {
            QString marks;
            for (int x = x0; x <= x1; ++x)
                marks += image.pixel(x, y) == qRgb(0, 0, 0) ? u'#' : u'.';
            return marks + u'|';
        };
        // Units bead 2 (from 1088) is a rectangle: its 1-pixel outline, 2
        // device pixels wide, runs along its top (corners aside) and down its
        // sides; inside, a rising line of the hatching, 1 pixel wide, is a
        // device pixel further left a row down. Bead 3 (from 1120) is not
        // drawn. Across the middle of thousands bead 1 (from 64), between rows
        // of its hatching: the outline and the upright lines at 36 and 44
        // pixels. Then the frame's lines, 3 pixels wide: between tens and
        // units, at 7725 twips; the right edge at 10320 twips, near its top;
        // and the button band's lower edge, whose round end at 285 twips
        // meets the left edge at 240.
        QCOMPARE(
            ink(336, 1090, 1103) + ink(370, 1087, 1130) + ink(371, 1087, 1106) + ink(376, 63, 104) +
                ink(370, 1024, 1035) + ink(200, 1372, 1383) + ink(304, 30, 41),
            u"##############|.##..........##..##.........................|.##.........##...##.|"
            ".##......##..............##............##.|...######...|.######.....|############|"_s);
        // The icon is drawn from its SVG, not scaled up from the 32 x 32 images.
        QCOMPARE(window->windowIcon().pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
        // Another style and dark colours while the window is open. Fusion
        // shades a button's face from the palette: only a colour of the
        // button's own holds there.
        QApplication::setStyle(u"Fusion"_s);
        const QPalette palette(QColor(60, 60, 60));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        image = window->centralWidget()->grab().toImage();
        // A few telling places of each family, in twips as the window was
        // drawn: bead k of a rod's beads, or (k = 0) the control itself, and
        // the colour at the left of an add button's face. M 13 stands 840
        // below M 9; the other rows are 720 apart. The frame's lines run from
        // (240, 1440) to (10320, 7200), with room for their 3 pixels' width.
        const std::tuple<const char*, int, QRect, QRgb> places[] = {
            {"Comando_Milhar", 0, {360, 1560, 2055, 615}, qRgb(255, 255, 0)},
            {"Comando_Centena", 0, {2760, 1560, 2055, 615}, qRgb(0, 192, 0)},
            {"Comando_Dezena", 0, {5400, 1560, 2055, 615}, qRgb(255, 0, 0)},
            {"Comando_Unidade", 0, {7920, 1560, 2055, 615}, qRgb(0, 0, 255)},
            {"Cmd_Corrigir", 0, {7680, 600, 2175, 735}, 0},
            {"RespD", 0, {5760, 6480, 1215, 675}, 0},
            {"M", 13, {480, 4800, 300, 615}, 0},
            {"C", 40, {4560, 5760, 375, 495}, 0},
            {"D", 70, {7320, 5760, 255, 255}, 0},
            {"U", 60, {10080, 5520, 135, 495}, 0},
            {"Line1", 0, {195, 1395, 10185, 5865}, 0}};
        for (const auto& [name, k, twips, colour] : places) {
            const auto* rod = qobject_cast<BeadArray*>(w(name));
            const QRect place = k ? rod->beadRect(k).translated(rod->pos()) : w(name)->geometry();
            QCOMPARE(place, QRect(twips.topLeft() / 15, twips.size() / 15));
            QVERIFY(colour == 0 || image.pixel(place.topLeft() + QPoint(6, 20)) == colour);
        }
        // The level is written in the palette's highlight colour.
        const QImage level = w("Legenda")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* text = reinterpret_cast<const QRgb*>(level.constBits());
        QVERIFY(std::count(text, text + level.width() * level.height(),
                           QApplication::palette().color(QPalette::Highlight).rgb()) > 20);
        // The window's background follows the palette; the answer boxes take
        // the groove colour of a scroll bar as it is drawn now.
        QCOMPARE(image.pixelColor(5, 300), palette.color(QPalette::Button));
        QScrollBar bar(Qt::Horizontal);
        bar.resize(200, 20);
        QCOMPARE(w("RespU")->grab().toImage().pixel(40, 20), bar.grab().toImage().pixel(150, 10));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
