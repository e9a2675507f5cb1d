// The real window on Qt's offscreen platform, driven through its controls as
// the pupil drives it, and what the program takes from the machine it runs
// on: the folders in which it looks for its help, and Qt's own translation.

#include "Accessibility.h"
#include "BeadArray.h"
#include "HelpViewer.h"
#include "OrdelWindow.h"
#include "QtTranslation.h"

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
    using Box = std::tuple<QString, QMessageBox::Icon, QMessageBox::StandardButtons, QString>;
    Box box; // title, icon, buttons, text

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
        box = {open->windowTitle(), open->icon(), open->standardButtons(), open->text()};
        open->done(QMessageBox::Ok);
    }
    QString page() const { return window->findChild<QTextEdit*>()->toPlainText(); }

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

    // The window's name tells screen readers the exercise as it stands after
    // each handler, its signs as words ("[Operação]": that menu is shown, at
    // level "Avançado" only); the title on screen stays "Ordel".
    void menusAndScreenReaders() {
        const QAction* operations = window->findChild<QAction*>("MnuJogo");
        const auto named = [&] {
            return window->accessibleName() + (operations->isVisible() ? " [Operação]|" : "|");
        };
        QString names = named();
        choose("MnuAvançado"); // every label filled, with "+"
        names += named();
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
        for (const char* item : {"MnuDivisão", "MnuMultiplicação", "MnuIniciante"}) {
            choose(item);
            names += named();
        }
        QCOMPARE(names, u"Ordel, forme o número 7|Ordel, 3 mais 7 igual a quanto? [Operação]|"
                        "Ordel, 5 dividido por 2 igual a quanto? [Operação]|Ordel, 5 vezes 2 "
                        "igual a quanto? [Operação]|Ordel, forme o número 7|"_s);
        // F2's whole board: the exercise, then the rods, thousands first.
        click("Comando_Dezena");
        click("Comando_Unidade", 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QCOMPARE(accessibility::board(window->core()),
                 u"forme o número 7. Nas hastes: milhar 0, centena 0, dezena 1, unidade 2"_s);
        QCOMPARE(window->windowTitle(), u"Ordel"_s);
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
        // 7 built: right, and the next number, 5 (a wrong answer keeps it). 3 is wrong.
        for (const auto& [units, said] :
             {std::pair(6, "Muito bem, você acertou !!!"), std::pair(3, "Tente Novamente !!!")}) {
            click("Comando_Unidade", units);
            QTimer::singleShot(0, this, &TestWindow::answerBox);
            click("Cmd_Corrigir");
            QCOMPARE(box, Box("Ordel", QMessageBox::NoIcon, QMessageBox::Ok, said));
        }
        QCOMPARE(w("Numero2")->property("text"), QVariant(u"5"_s));
    }

    void beadsTakenOff() {
        for (const QString rod : {"Milhar", "Centena", "Dezena", "Unidade"})
            click("Comando_" + rod, 3);
        // A press on each rod's second bead in turn, with another button or
        // modifier, goes through the bead to that rod's area alone.
        // clang-format off
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {{Qt::LeftButton, {}},
            {Qt::RightButton, {}}, {Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier}, {Qt::LeftButton, Qt::ShiftModifier}};
        // clang-format on
        for (int r = 0; r < 4; ++r) {
            const auto* beads = window->findChild<BeadArray*>(QString(u"MCDU"[r]));
            QTest::mouseClick(window->windowHandle(), presses[r].first, presses[r].second,
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

    void aboutBox() {
        QTimer::singleShot(0, this, &TestWindow::answerBox);
        choose("MnuSobre");
        const QString text = std::get<3>(box); // checked below, piece by piece
        QCOMPARE(box, Box(u"Sobre o Ordel"_s, QMessageBox::Information, QMessageBox::Ok, text));
        // One line of 741 characters: four pieces in order, each after a run
        // of blanks (its length, then the piece's, in characters).
        QCOMPARE(text.size(), 741);
        QVERIFY(text.startsWith(u"     O Ordel"_s) && text.endsWith(u".org"));
        QString runs;
        for (const auto& m : QRegularExpression(u"( +)(\\S.*?)(?= {5}|$)"_s).globalMatch(text))
            runs += u"%1 %2|"_s.arg(m.capturedLength(1)).arg(m.capturedLength(2));
        QCOMPARE(runs, u"5 103|121 146|166 16|152 32|"_s);
    }

    // The file asked for, its bytes (none: not there) and what the page shows,
    // with %1 for the folder it is looked for in after "beside". Of a large
    // file only the first 32 KiB, or 1000 lines, are shown. Whatever the page
    // showed, "Tópicos da ajuda" then shows the help file from its top.
    void helpFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("found") << u"ORDEL.HLP"_s << QByteArray() << u"Ordel\nAvançado"_s;
        QTest::newRow("missing") << u"nada"_s << QByteArray() << u"beside/nada: o arquivo não existe.\n%1/nada: o"_s;
        QTest::newRow("blank") << u"vazio"_s << QByteArray(" \n") << u"vazio: o arquivo está vazio."_s;
        QTest::newRow("unreadable") << u"/proc/self/mem"_s << QByteArray() << u"mem: o arquivo existe, mas não pôde ser lido."_s;
        QTest::newRow("32 KiB") << u"largo"_s << QByteArray(33000, 'x') << u"grande demais"_s;
        QTest::newRow("1000 lines") << u"longo"_s << QByteArray("linha\n\n").repeated(600) << u"grande demais"_s;
        QTest::newRow("none named") << QString() << QByteArray() << u"Ajuda não encontrada\nNenhum arquivo de ajuda foi indicado."_s;
        // clang-format on
    }
    void helpFile() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        auto* viewer = qobject_cast<HelpViewer*>(window->helpViewer());
        viewer->setSearchFolders({folder.filePath(u"beside"_s), folder.path()});
        for (const auto& [file, content] :
             {std::pair(u"ORDEL.HLP"_s, QByteArray("# Ordel\n\n- Avançado\n")),
              std::pair(name, bytes)}) {
            QFile f(folder.filePath(file));
            QVERIFY(content.isNull() ||
                    (f.open(QIODevice::WriteOnly) && f.write(content) && f.flush()));
        }
        viewer->setHelpFile(name);
        viewer->ShowHelp();
        QVERIFY2(page().contains(shown.replace(u"%1"_s, folder.path())), qPrintable(page()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QVERIFY(page().startsWith(u"Ordel\nAvançado"_s));
        // Read a line at a time: the caret starts at the top, Down moves it
        // a line; Escape closes the help.
        auto* text = window->findChild<QTextEdit*>();
        QTRY_COMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Down);
        QCOMPARE(text->textCursor().block().text(), u"Avançado"_s);
        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!viewer->window()->isVisible());
    }

    // "Sair" and closing the window end the run with no question; the help
    // goes with the window.
    void exitWithHelpOpen() {
        for (const bool sair : {true, false}) {
            window->show();
            choose("MnuTópicos");
            QTimer::singleShot(0, this,
                               [&] { sair ? choose("MnuFechar") : void(window->close()); });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!window->findChild<QWidget*>("HelpWindow")->isVisible());
        }
    }

    // The help is looked for beside the program, in the user's data folder,
    // in XDG_DATA_DIRS' (unset when null) and last in the one built in.
    void helpFolders_data() {
        QTest::addColumn<QByteArray>("dataDirs");
        QTest::addColumn<QStringList>("expected");
        const QString built = QStringLiteral(ORDEL_DATA_DIR);
        QTest::newRow("a school's folder first, the built-in one last")
            << QByteArray("/school/share:/usr/share/:/usr/share")
            << QStringList{"/school/share/ordel", "/usr/share/ordel", built};
        QTest::newRow("unset: /usr/local/share, then /usr/share")
            << QByteArray() << QStringList{"/usr/local/share/ordel", "/usr/share/ordel", built};
    }
    void helpFolders() {
        QFETCH(QByteArray, dataDirs);
        QFETCH(QStringList, expected);
        qputenv("XDG_DATA_HOME", "/home/pupil/.local/share");
        dataDirs.isNull() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", dataDirs);
        expected.prepend(u"/home/pupil/.local/share/ordel"_s);
        expected.prepend(QCoreApplication::applicationDirPath());
        expected.removeDuplicates();
        QCOMPARE(HelpViewer::defaultSearchFolders(), expected);
    }

    // "Copy" in the help window's context menu, as Qt's translation for the
    // locale gives it.
    void qtTranslation_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("copy");
        QTest::newRow("Brazilian Portuguese") << u"pt_BR"_s << u"&Copiar"_s;
        QTest::newRow("European Portuguese, from Brazil's") << u"pt_PT"_s << u"&Copiar"_s;
        QTest::newRow("none for Swahili") << u"sw_KE"_s << u"&Copy"_s;
    }
    void qtTranslation() {
        QFETCH(QString, locale);
        QFETCH(QString, copy);
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               u"/qtbase_pt_BR.qm"_s))
            QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
        QCOMPARE(installQtTranslation(*qApp, QLocale(locale)), copy != u"&Copy"_s);
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), copy);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            delete translator; // which also removes it
    }

    // The client area's size, and where each control stands in it, in
    // pixels (the layout's twips / 15); a number after the name picks a bead
    // of that rod's beads.
    void places_data() {
        QTest::addColumn<QRect>("place");
        // clang-format off
        const std::pair<const char*, QRect> places[] = {
            {"ClientArea", {0, 0, 770, 425}},
            {"Comando_Milhar", {24, 104, 137, 41}}, {"Comando_Centena", {184, 104, 137, 41}},
            {"Comando_Dezena", {360, 104, 137, 41}}, {"Comando_Unidade", {528, 104, 137, 41}},
            {"ImageMilhar", {24, 160, 137, 257}}, {"ImageCentena", {168, 160, 161, 257}},
            {"ImageDezena", {344, 160, 169, 249}}, {"ImageUnidade", {520, 152, 169, 265}},
            {"M", {32, 168, 116, 241}}, {"C", {176, 160, 153, 257}}, {"D", {344, 168, 161, 233}}, {"U", {528, 168, 153, 233}},
            {"M 13", {32, 320, 20, 41}}, {"C 40", {304, 384, 25, 33}}, {"D 70", {488, 384, 17, 17}}, {"U 60", {672, 368, 9, 33}},
            {"RespM", {56, 432, 81, 45}}, {"RespC", {216, 432, 81, 45}}, {"RespD", {384, 432, 81, 45}}, {"RespU", {568, 432, 81, 45}},
            {"Legenda", {265, 0, 175, 38}}, {"Numero1", {265, 48, 23, 38}}, {"Numero2", {352, 48, 23, 38}},
            {"Símbolo", {304, 48, 27, 38}}, {"Resultado", {536, 56, 45, 38}}, {"Label2", {481, 56, 27, 38}},
            {"Cmd_Corrigir", {512, 40, 145, 49}}, {"Line1", {13, 93, 679, 391}}};
        // clang-format on
        for (const auto& [name, place] : places)
            QTest::newRow(name) << place;
    }
    void places() {
        QFETCH(QRect, place);
        const QStringList name = QString::fromUtf8(QTest::currentDataTag()).split(u' ');
        choose("MnuAvançado"); // every label shown, with "3+7=10"
        QWidget* control = w(name[0]);
        QVERIFY(control != nullptr);
        const auto* beads = qobject_cast<BeadArray*>(control);
        QCOMPARE(name.size() > 1 ? beads->beadRect(name[1].toInt()).translated(beads->pos())
                 : control == window->centralWidget() ? control->rect()
                                                      : control->geometry(),
                 place);
    }

    void drawingAndColours() {
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
        // The colour at the left of each add button's face.
        for (const auto& [name, colour] : {std::pair("Comando_Milhar", qRgb(255, 255, 0)),
                                           std::pair("Comando_Centena", qRgb(0, 192, 0)),
                                           std::pair("Comando_Dezena", qRgb(255, 0, 0)),
                                           std::pair("Comando_Unidade", qRgb(0, 0, 255))})
            QCOMPARE(image.pixel(w(name)->pos() + QPoint(6, 20)), colour);
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
