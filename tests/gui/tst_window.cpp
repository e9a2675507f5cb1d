// The real window on Qt's offscreen platform, driven through its controls as
// the pupil drives it, and what the program takes from the machine it runs
// on: the folders in which it looks for its help, and Qt's own translation.
// How it looks in one state is the picture test's (tst_picture.cpp); here,
// what a picture at one size cannot show.

#include "AboutText.h"
#include "Appearance.h"
#include "AtSpiRepair.h"
#include "BeadArray.h"
#include "HelpViewer.h"
#include "OrdelWindow.h"
#include "QtTranslation.h"

// moc cannot read the core's accented names, and needs none of them.
#ifndef Q_MOC_RUN
#include "WindowLayout.h"
#include "Words.h"
#include "exercises/Texts.h"
#endif

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

    Draws draws;
    std::unique_ptr<OrdelWindow> window;
    using Box = std::tuple<QString, QMessageBox::Icon, QMessageBox::StandardButtons, QString>;
    Box box;                        // title, icon, buttons, text
    QString spoken;                 // the box's text as a screen reader reads it
    static inline QStringList said; // what the program had the screen reader say

    QWidget* w(const QString& name) const { return window->findChild<QWidget*>(name); }
    void choose(const char* item) const { window->findChild<QAction*>(item)->trigger(); }
    void click(const QString& button, int times = 1) const {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(w(button), Qt::LeftButton);
    }
    static QString text(std::string_view words) { return QString::fromUtf8(words); }
    static QString read(QWidget* c, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(c)->text(text);
    }
    // The bead count that each rod's area, beads and add button tell readers
    // ("2 contas": 2).
    QString told() const {
        QString counts;
        for (const QString rod : {"Milhar", "Centena", "Dezena", "Unidade"})
            for (const QString& n : {"Image" + rod, rod.left(1), "Comando_" + rod})
                counts += read(w(n), QAccessible::Description).section(u' ', 0, 0) + ',';
        return counts;
    }
    // Reads and answers the modal box open now. Armed on a timer before the
    // click that opens the box, it runs inside the box's own event loop.
    void answerBox() {
        auto* open = window->findChild<QMessageBox*>(u"OrdelMessageBox"_s);
        QVERIFY(open != nullptr && open == QApplication::activeModalWidget());
        box = {open->windowTitle(), open->icon(), open->standardButtons(), open->text()};
        spoken = read(open->findChild<QLabel*>(u"qt_msgbox_label"_s), QAccessible::Name);
        open->done(QMessageBox::Ok);
    }
    QString page() const { return window->findChild<QTextEdit*>()->toPlainText(); }

private slots:
    // Every window is built under one style and its colours.
    void init() {
        QApplication::setStyle(u"Windows"_s);
        QApplication::setPalette(QApplication::style()->standardPalette());
        draws.next = 0;
        said.clear();
        watchAnnouncements([](const QString& phrase) { said << phrase; });
        window = std::make_unique<OrdelWindow>(&draws);
        window->show();
        // Qt's offscreen platform activates a shown window itself on Linux,
        // not on Windows; asking for it does no harm on either.
        window->activateWindow();
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
        // "Apagar" is switched off from the start.
        QVERIFY(!window->findChild<QAction*>("MnuApagar")->isEnabled());
        // The menus' words, as the pupil reads them, and the separators' names.
        const std::function<QString(const QWidget*)> items = [&](const QWidget* menu) {
            QString words;
            for (const QAction* a : menu->actions())
                words += (a->isSeparator() ? a->objectName() : a->text()) +
                         (a->menu() ? '(' + items(a->menu()) + ')' : u" "_s);
            return words;
        };
        QCOMPARE(items(window->menuBar()),
                 u"&Arquivo(&Novo...(&Iniciante &Avançado )MnuEs Sai&r )&Operação(&Adição "
                 "&Subtração &Multiplicação &Divisão )&Sistema de numeração...(&Unidade &Dezena "
                 "&Centena &Milhar )Apagar(Desfazer )Aj&uda(&Tópicos da ajuda MnuEsp So&bre o "
                 "Ordel )"_s);
        // Below the client area's height, where the pictures end, the frame's
        // lines and the answer boxes go on.
        QCOMPARE(w("Line1")->geometry(), QRect(13, 93, 679, 391));
        QCOMPARE(w("RespU")->geometry(), QRect(568, 432, 81, 45));
        // Every control is named and described but the frame's lines and the
        // expected answer: hidden under CORRIGIR, it is kept from readers too.
        for (QWidget* c : window->centralWidget()->findChildren<QWidget*>())
            QVERIFY2((read(c, QAccessible::Name).isEmpty() ||
                      read(c, QAccessible::Description).isEmpty()) ==
                         QStringList({"Line1", "Resultado"}).contains(c->objectName()),
                     qPrintable(c->objectName()));
        QCOMPARE(read(w("RespU"), QAccessible::Description),
                 u"Quantas contas a haste tinha na última correção"_s);
        QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(w("Resultado"));
        QVERIFY(hidden->state().invisible && hidden->text(QAccessible::Value).isEmpty());
        for (const char* item : {"MnuDivisão", "MnuMultiplicação", "MnuIniciante"}) {
            choose(item);
            names += named();
        }
        QCOMPARE(names, u"Ordel, forme o número 7|Ordel, 3 mais 7 igual a quanto? [Operação]|"
                        "Ordel, 5 dividido por 2 igual a quanto? [Operação]|Ordel, 5 vezes 2 "
                        "igual a quanto? [Operação]|Ordel, forme o número 7|"_s);
        // The help's window and the page it shows when it has no folder to
        // look in.
        auto* viewer = qobject_cast<HelpViewer*>(window->helpViewer());
        viewer->setSearchFolders({});
        viewer->setHelpFile(u"nada"_s);
        viewer->ShowHelp();
        QCOMPARE(viewer->window()->windowTitle() + '|' +
                     w("HelpClose")->property("text").toString() + '|' + page(),
                 u"Ajuda do Ordel|&Fechar|Ajuda não encontrada\nNão foi possível mostrar o arquivo "
                 "de ajuda nada.\nNenhuma pasta foi indicada para procurá-lo.\nPeça ao professor "
                 "ou à professora que coloque o arquivo nada num desses lugares. O exercício "
                 "continua como estava: é só voltar à janela do Ordel."_s);
        QCOMPARE(window->windowTitle() + '|' + text(ordel::words::kAboutTitle),
                 u"Ordel|Sobre o Ordel"_s);
        // The rods' controls, thousands first: the press area, the beads and
        // the answer box.
        QString rods;
        for (const auto& r : ordel::layout::kRodLooks)
            for (const std::string_view n : {r.area.name, r.beads.name, r.answer.name})
                rods += read(w(text(n)), QAccessible::Name) + '|';
        QCOMPARE(rods, u"Haste dos milhares|Contas da haste dos milhares|Resposta da haste dos "
                       "milhares|Haste das centenas|Contas da haste das centenas|Resposta da "
                       "haste das centenas|Haste das dezenas|Contas da haste das dezenas|"
                       "Resposta da haste das dezenas|Haste das unidades|Contas da haste das "
                       "unidades|Resposta da haste das unidades|"_s);
        // F2 tells the level, the mode, at level "Avançado" the operation,
        // then the exercise and the rods, thousands first.
        click("Comando_Dezena");
        click("Comando_Unidade", 2);
        // A count as the beads, the area and a button not focused tell it.
        QCOMPARE(
            read(w("U"), QAccessible::Description) + '|' +
                read(w("ImageDezena"), QAccessible::Description) + '|' +
                read(w("Comando_Centena"), QAccessible::Description),
            u"2 contas|1 conta; um clique nesta haste tira a última conta|0 contas. Adicionar "
            "uma conta na haste das centenas; as teclas Backspace e Delete tiram a última conta"_s);
        choose("MnuMilhar");
        said.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        choose("MnuAvançado");
        choose("MnuSubtração");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
#ifdef ORDEL_ATSPI_REPAIR
        // Between the two, the new exercises, announced with the focus on
        // a button as the menus close.
        QCOMPARE(said.join('|'),
                 u"Iniciante, milhar: forme o número 5. Nas hastes: milhar 0, "
                 "centena 0, dezena 1, unidade 2|2 mais 5 igual a quanto?|7 menos "
                 "3 igual a quanto?|Avançado, milhar, subtração: 7 menos 3 igual "
                 "a quanto? Nas hastes: milhar 0, centena 0, dezena 0, unidade 0"_s);
#endif
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
        using namespace ordel::texts;
        for (const auto& [units, said] : {std::pair(6, kCorrect), std::pair(3, kWrong)}) {
            click("Comando_Unidade", units);
            QTimer::singleShot(0, this, &TestWindow::answerBox);
            click("Cmd_Corrigir");
            QCOMPARE(box,
                     Box(text(kProgramTitle), QMessageBox::NoIcon, QMessageBox::Ok, text(said)));
        }
        // The beads of the wrong answer stay, and the next number is shown.
        // The window, coming back from the message box with no control
        // focused yet, is read with its new name: the number is not also
        // announced.
        QCOMPARE(told(), u"0,0,0,0,0,0,0,0,0,3,3,3,"_s);
        QCOMPARE(w("Numero2")->property("text"), QVariant(u"5"_s));
        QCOMPARE(said, QStringList());
    }

    void beadsTakenOff() {
        for (const QString rod : {"Milhar", "Centena", "Dezena", "Unidade"})
            click("Comando_" + rod, 3);
        // A press on each rod's second bead in turn, with any button or
        // modifier (left, right, middle, left), goes through the bead to that
        // rod's area alone.
        for (int r = 0; r < 4; ++r) {
            const auto* beads = window->findChild<BeadArray*>(QString(u"MCDU"[r]));
            QTest::mouseClick(window->windowHandle(), Qt::MouseButton(1 << r % 3),
                              r > 1 ? Qt::ShiftModifier | Qt::AltModifier : Qt::NoModifier,
                              beads->mapTo(window.get(), beads->beadRect(2).center()));
            QCOMPARE(told().count(u"2,"_s), 3 * (r + 1));
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
        QCOMPARE(told(), u"2,2,2,1,1,1,2,2,2,1,1,1,"_s);
    }

    void aboutBox() {
        QTimer::singleShot(0, this, &TestWindow::answerBox);
        choose("MnuSobre");
        QCOMPARE(box, Box(text(ordel::words::kAboutTitle), QMessageBox::Information,
                          QMessageBox::Ok, QString::fromUtf8(ordel::aboutText())));
        QCOMPARE(std::get<3>(box).size(), 741); // one line, which the box breaks in the blanks
        // Read with each run of blanks as one space, as braille shows it.
        QCOMPARE(spoken, std::get<3>(box).simplified());
    }

    // The file asked for, its bytes (none: not there) and a pattern of what
    // the page shows, with %1 for the folder it is looked for in after
    // "beside". Of a large file only the first 32 KiB, or 1000 lines, are
    // shown, with a note at the end. Whatever the page showed, "Tópicos da
    // ajuda" then shows the help file from its top.
    void helpFile_data() {
        using namespace ordel::words;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("found") << u"ORDEL.HLP"_s << QByteArray() << u"Ordel\nAvançado"_s;
        QTest::newRow("missing") << u"nada"_s << QByteArray() << "beside/nada: " + text(kHelpMissing) + "\n%1/nada: " + text(kHelpMissing);
        QTest::newRow("blank") << u"vazio"_s << QByteArray(" \n") << "vazio: " + text(kHelpEmpty);
#ifndef Q_OS_WIN // Windows has no file that every user sees and none can read.
        QTest::newRow("unreadable") << u"/proc/self/mem"_s << QByteArray() << "mem: " + text(kHelpUnreadable);
#endif
        QTest::newRow("32 KiB") << u"largo"_s << QByteArray(33000, 'x') << text(kHelpTooLarge) + '$';
        QTest::newRow("1000 lines") << u"longo"_s << QByteArray("linha\n\n").repeated(600) << "^(linha\n){500}" + text(kHelpTooLarge) + '$';
        QTest::newRow("1000 lines, no more") << u"longo"_s << QByteArray("linha\n\n").repeated(500) << u"linha$"_s;
        QTest::newRow("none named") << QString() << QByteArray() << text(kHelpNotFound) + '\n' + text(kHelpNoneNamed);
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
             {std::pair(u"ORDEL.HLP"_s, QByteArray("\n# Ordel\n\n- Avançado\n")),
              std::pair(name, bytes)}) {
            QFile f(folder.filePath(file));
            QVERIFY(content.isNull() ||
                    (f.open(QIODevice::WriteOnly) && f.write(content) && f.flush()));
        }
        viewer->setHelpFile(name);
        viewer->ShowHelp();
        // Paths are shown as the system writes them, with "\" between folders
        // on Windows.
        const QString slash = QRegularExpression::escape(QDir::separator());
        const QString path = QRegularExpression::escape(QDir::toNativeSeparators(folder.path()));
        shown.replace(u'/', slash).replace(u"%1"_s, path);
        QVERIFY2(page().contains(QRegularExpression(shown)), qPrintable(page()));
        // Told to close, the help comes back with F1, its text filling the
        // window's width, and is read a line at a time: the caret starts at
        // the top, Down moves it a line; Escape closes the help.
        viewer->setHelpCommand(HelpViewer::kQuit);
        viewer->ShowHelp();
        QTest::keyClick(window.get(), Qt::Key_F1);
        QVERIFY(page().startsWith(u"Ordel\nAvançado"_s));
        auto* text = window->findChild<QTextEdit*>();
        QVERIFY(text->isVisible() && text->width() > text->window()->width() - 30);
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

    // Qt's translation for the locale, or for its language where the country
    // has none, is loaded: Qt's own texts change. Swahili has none.
    void qtTranslation() {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               u"/qtbase_pt_BR.qm"_s))
            QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
        for (const auto& [locale, loaded] :
             {std::pair("pt_BR", true), std::pair("pt_PT", true), std::pair("sw_KE", false)}) {
            QCOMPARE(installQtTranslation(*qApp, QLocale(locale)), loaded);
            QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy") != "&Copy", loaded);
            qDeleteAll(qApp->findChildren<QTranslator*>()); // which also removes them
        }
    }

    void drawingAndColours() {
        // The icon is drawn from its SVG, not scaled up from the 32 x 32
        // images.
#ifndef Q_OS_WIN // the Qt built for Windows has no SVG icon engine
        QCOMPARE(window->windowIcon().pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
#endif
        // Another style and dark colours while the window is open. Fusion
        // shades a button's face from the palette: only a colour of the
        // button's own holds there.
        const QColor groove = grooveColour(window.get());
        QApplication::setStyle(u"Fusion"_s);
        QPalette palette(QColor(60, 60, 60));
        palette.setColor(QPalette::Window, Qt::black); // the menu bar's, not the client area's
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QImage image = window->centralWidget()->grab().toImage();
        // The colour at the left of each add button's face.
        for (const auto& r : ordel::layout::kRodLooks)
            QCOMPARE(image.pixelColor(w(QString::fromUtf8(r.button.name))->pos() + QPoint(6, 20)),
                     ordel::layout::colour(r.colour));
        // The window's background follows the palette; the answer boxes take
        // the groove colour of the style and colours as they are now.
        QCOMPARE(window->grab().toImage().pixelColor(
                     w("ClientArea")->mapTo(window.get(), QPoint(5, 300))),
                 palette.color(QPalette::Button));
        QVERIFY(grooveColour(window.get()) != groove);
        QCOMPARE(w("RespU")->grab().toImage().pixelColor(40, 20), grooveColour(window.get()));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
