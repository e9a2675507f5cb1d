// The real window driven through its controls' names, as the pupil drives
// it: where everything stands, the menus, an exercise done by keys and
// clicks, colours, message boxes, help and exit, screen readers, HiDPI.

#include "GuiSupport.h"
#include "HelpViewer.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>

#include <tuple>

using namespace gui;

namespace {

// The menu tree depth-first, one entry per item: level, name and caption
// ("-" for a separator), and "off" where it is switched off.
void describe(const QList<QAction*>& actions, int level, QStringList& out) {
    for (const QAction* a : actions) {
        const QString caption = a->isSeparator() ? QStringLiteral("-") : a->text();
        out << QStringLiteral("%1 %2 %3").arg(level).arg(a->objectName(), caption) +
                   (a->isEnabled() ? "" : " off");
        if (a->menu() != nullptr)
            describe(a->menu()->actions(), level + 1, out);
    }
}

QString readOut(QObject* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// A help viewer that notes, in order, what is done to it.
class RecordingViewer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString HelpFile MEMBER file WRITE setFile)
    Q_PROPERTY(int HelpCommand MEMBER command WRITE setCommand)

public:
    void setFile(const QString& f) { steps << QStringLiteral("HelpFile=") + (file = f); }
    void setCommand(int c) { steps << QStringLiteral("HelpCommand=%1").arg(command = c); }
    Q_INVOKABLE void ShowHelp() { steps << QStringLiteral("ShowHelp"); }
    QStringList steps;
    QString file;
    int command = 0;
};

// Notes the region a widget is asked to paint.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* watched) { watched->installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void places_data();
    void places();
    void labels();
    void menus();
    void exercise();
    void pressRemovesOneBead();
    void takeOffWithoutMouse();
    void repaintsTheChangedBeadOnly();
    void aboutBox();
    void helpInThreeSteps();
    void exitEndsTheRun();
    void screenReaders();
    void drawsAtTwiceTheDensity();
    void addButtonColours(); // last: it leaves another style and colours behind
};

void TestWindow::places_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("bead"); // 0: the control itself
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char* control, int bead, QRect twips) {
        QTest::addRow("%s %d", control, bead) << QString::fromUtf8(control) << bead << twips;
    };
    // A few telling places of each family, in twips as the window was drawn.
    row("Cmd_Corrigir", 0, {7680, 600, 2175, 735});
    row("Comando_Milhar", 0, {360, 1560, 2055, 615});
    row("Comando_Centena", 0, {2760, 1560, 2055, 615});
    row("Comando_Dezena", 0, {5400, 1560, 2055, 615});
    row("Comando_Unidade", 0, {7920, 1560, 2055, 615});
    row("RespM", 0, {840, 6480, 1215, 675});
    row("RespC", 0, {3240, 6480, 1215, 675});
    row("RespD", 0, {5760, 6480, 1215, 675});
    row("RespU", 0, {8520, 6480, 1215, 675});
    row("M", 1, {480, 2520, 300, 615});
    row("M", 13, {480, 4800, 300, 615}); // 840 below M 9; the other rows are 720 apart
    row("M", 20, {1920, 5520, 300, 615});
    row("C", 1, {2640, 2400, 375, 495});
    row("C", 40, {4560, 5760, 375, 495});
    row("D", 1, {5160, 2520, 255, 255});
    row("D", 70, {7320, 5760, 255, 255});
    row("U", 1, {7920, 2520, 135, 495});
    row("U", 60, {10080, 5520, 135, 495});
}

void TestWindow::places() {
    QFETCH(QString, control);
    QFETCH(int, bead);
    QFETCH(QRect, twips);

    Fixture f;
    f.window.resize(1100, 700); // the layout never follows the window's size
    f.window.show();
    const auto* widget = f.client()->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    QVERIFY(widget != nullptr && widget->isVisible());
    const QRect place = bead == 0 ? widget->geometry() : f.beadRect(qPrintable(control), bead);
    QCOMPARE(place, QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void TestWindow::labels() {
    // Five-digit operands give the exercise line its longest captions.
    Fixture f;
    f.random.queued = {20999, 19999};
    f.choose("MnuMilhar");
    f.choose("MnuAvançado");
    f.window.show();
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Ordel"));
    QCOMPARE(f.client()->size(), QSize(770, 425));

    // A label fits its caption and keeps the point its text is aligned to
    // (0 left, 1 centre, 2 right) where it was created, given here in twips.
    // Label2's caption, "=", never changes.
    const std::tuple<const char*, int, int, int> rows[] = {
        {"Legenda", 5280, 0, 1},   {"Numero1", 4320, 720, 2}, {"Símbolo", 4755, 720, 1},
        {"Numero2", 5280, 720, 0}, {"Label2", 7215, 840, 0},  {"Resultado", 8040, 840, 0}};
    for (const auto& [name, x, top, anchor] : rows) {
        const auto* label = f.find<QLabel>(name);
        QVERIFY2(!label->text().isEmpty(), name);
        QCOMPARE(label->y(), top / 15);
        QVERIFY2(qAbs(label->x() + label->width() * anchor / 2 - x / 15) <= 1, name);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
    }
    // The exercise line reads from left to right without overlap, and the
    // result lies hidden under CORRIGIR.
    const char* line[] = {"Numero1", "Símbolo", "Numero2", "Label2"};
    for (int i = 1; i < 4; ++i)
        QVERIFY2(f.find(line[i - 1])->geometry().right() < f.find(line[i])->x(), line[i]);
    QCOMPARE(f.client()->childAt(f.find("Resultado")->geometry().center()), f.find("Cmd_Corrigir"));
}

void TestWindow::menus() {
    Fixture f;
    const QAction* operation = f.find<QMenu>("MnuJogo")->menuAction();
    QVERIFY(!operation->isVisible()); // at level "Iniciante"
    f.choose("MnuAvançado");
    QVERIFY(operation->isVisible());
    QStringList tree;
    describe(f.window.menuBar()->actions(), 1, tree);
    const QString expected = QStringLiteral(
        "1 MnuArq &Arquivo|2 MnuNovo &Novo...|3 MnuIniciante &Iniciante|3 MnuAvançado &Avançado|"
        "2 MnuEs -|2 MnuFechar Sai&r|1 MnuJogo &Operação|2 MnuAdição &Adição|"
        "2 MnuSubtração &Subtração|2 MnuMultiplicação &Multiplicação|2 MnuDivisão &Divisão|"
        "1 MnuSist &Sistema de numeração...|2 MnUnidade &Unidade|2 mnuDezena &Dezena|"
        "2 MNucentena &Centena|2 MnuMilhar &Milhar|1 MnuApagar Apagar off|"
        "2 MNuDesfazer Desfazer|1 MnuAjuda Aj&uda|2 MnuTópicos &Tópicos da ajuda|2 MnuEsp -|"
        "2 MnuSobre So&bre o Ordel");
    QCOMPARE(tree, expected.split(u'|'));
    // Each operation shows its own symbol.
    const std::pair<const char*, const char*> operations[] = {
        {"MnuAdição", "+"}, {"MnuSubtração", "-"}, {"MnuMultiplicação", "x"}, {"MnuDivisão", ":"}};
    for (const auto& [item, symbol] : operations) {
        f.choose(item);
        QCOMPARE(f.caption("Símbolo"), QString::fromUtf8(symbol));
    }
    f.choose("MnuIniciante");
    QVERIFY(!operation->isVisible());
}

void TestWindow::exercise() {
    // Build 7, then 5.
    Fixture f({3, 7, 2, 5});
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    // The focus starts on UNIDADE: the space bar adds a units bead, and Tab
    // goes round the five buttons.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.beadsShown(kUnits), 1);
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"Comando_Unidade", "Comando_Dezena", "Comando_Centena",
                                 "Comando_Milhar", "Cmd_Corrigir", "Comando_Unidade"}));

    f.click("Comando_Unidade", 6);
    QCOMPARE(f.beadsShown(kUnits), 7);
    SeenBox right;
    answerNextBox(right, &f.window);
    f.click("Cmd_Corrigir");
    QCOMPARE(right.title, QStringLiteral("Ordel"));
    QCOMPARE(right.text, QStringLiteral("Muito bem, você acertou !!!"));
    QCOMPARE(right.icon, QMessageBox::NoIcon);
    QVERIFY(right.okOnly);
    QCOMPARE(f.beadsShown(kUnits), 0);
    QCOMPARE(f.caption("Numero2"), QStringLiteral("5"));

    f.click("Comando_Unidade", 3);
    SeenBox wrong;
    answerNextBox(wrong, &f.window);
    f.click("Cmd_Corrigir");
    QCOMPARE(wrong.title, QStringLiteral("Ordel"));
    QCOMPARE(wrong.text, QStringLiteral("Tente Novamente !!!"));
    QCOMPARE(f.beadsShown(kUnits), 3);
    QCOMPARE(f.caption("RespU"), QStringLiteral("3"));
}

void TestWindow::pressRemovesOneBead() {
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    for (const auto& r : kRods)
        f.click(r.button, 3);
    // On each rod's second bead in turn, with another button or modifier:
    // the press goes through the bead to that rod's area alone.
    const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {
        {Qt::LeftButton, {}},
        {Qt::RightButton, {}},
        {Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier},
        {Qt::LeftButton, Qt::ShiftModifier}};
    for (int pressed = 0; pressed < 4; ++pressed) {
        f.press(f.beadRect(kRods[pressed].beads, 2).center(), presses[pressed].first,
                presses[pressed].second);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(f.beadsShown(kRods[r]), r <= pressed ? 2 : 3);
    }
}

void TestWindow::takeOffWithoutMouse() {
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.click("Comando_Centena", 3);
    f.click("Comando_Unidade", 2);
    // Backspace and Delete on a focused add button take that rod's beads off,
    // one a key, and the focus stays; the space bar still adds.
    QWidget* hundreds = f.find("Comando_Centena");
    hundreds->setFocus();
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space})
        QTest::keyClick(hundreds, key);
    QCOMPARE(QApplication::focusWidget(), hundreds);
    QCOMPARE(f.beadsShown(kRods[1]), 2);
    // A screen reader's press on the units area, then on the empty thousands.
    for (const char* area : {"ImageUnidade", "ImageMilhar"}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f.find(area));
        QVERIFY(a->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(f.beadsShown(kUnits), 1);
    QCOMPARE(f.beadsShown(kRods[0]), 0);
    QCOMPARE(f.window.core().HasteMarcada(), " ");
    QCOMPARE(QAccessible::queryAccessibleInterface(f.find("ImageUnidade"))
                 ->valueInterface()
                 ->currentValue(),
             QVariant(1));
    QCOMPARE(f.caption("RespC"), QString()); // the answer boxes untouched
}

void TestWindow::repaintsTheChangedBeadOnly() {
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    PaintLog units(f.find("U"));
    PaintLog hundreds(f.find("C"));
    f.click("Comando_Unidade");
    QTRY_VERIFY(!units.painted.isEmpty());
    QCOMPARE(units.painted.boundingRect(), f.find<BeadArray>("U")->beadRect(1));
    QVERIFY(hundreds.painted.isEmpty());
}

void TestWindow::aboutBox() {
    Fixture f;
    f.window.show();
    SeenBox about;
    answerNextBox(about, &f.window);
    f.choose("MnuSobre");
    QCOMPARE(about.title, QStringLiteral("Sobre o Ordel"));
    QCOMPARE(about.icon, QMessageBox::Information);
    QVERIFY(about.okOnly);
    QCOMPARE(about.text.toUcs4().size(), 741);
    // Runs of blanks keep its pieces apart: the box wraps them onto lines of
    // their own, and no line holds the end of one and the start of the next.
    QVERIFY(about.lines.size() >= 4);
    for (const QString& line : about.lines)
        QVERIFY2(!line.contains(QStringLiteral("  ")), qPrintable(line));
}

void TestWindow::helpInThreeSteps() {
    Fixture f;
    QVERIFY(qobject_cast<HelpViewer*>(f.window.helpViewer()) != nullptr);
    RecordingViewer viewer;
    f.window.setHelpViewer(&viewer);
    f.choose("MnuTópicos");
    QCOMPARE(viewer.steps, QStringList({"HelpFile=ORDEL.HLP", "HelpCommand=3", "ShowHelp"}));
}

void TestWindow::exitEndsTheRun() {
    for (const bool fromMenu : {true, false}) {
        Fixture f;
        f.window.show();
        if (fromMenu)
            QTimer::singleShot(0, f.find<QAction>("MnuFechar"), &QAction::trigger);
        else
            QTimer::singleShot(0, &f.window, &QWidget::close);
        // Should the run go on, or a question come up, this ends it with 1.
        QObject watchdog;
        QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
        QVERIFY2(QApplication::exec() == 0, fromMenu ? "Sair" : "closing the window");
    }
}

void TestWindow::screenReaders() {
    Fixture f;
    f.window.show();
    f.choose("MnuAvançado");
    f.choose("MnuAdição"); // every label filled
    const QString controls = QStringLiteral(
        "Comando_Milhar Comando_Centena Comando_Dezena Comando_Unidade Cmd_Corrigir Legenda "
        "Numero1 Símbolo Numero2 Label2 ImageMilhar ImageCentena ImageDezena ImageUnidade M C D U "
        "RespM RespC RespD RespU");
    for (const QString& name : controls.split(u' ')) {
        QWidget* control = f.client()->findChild<QWidget*>(name);
        QVERIFY2(!readOut(control, QAccessible::Name).isEmpty(), qPrintable(name));
        QVERIFY2(!readOut(control, QAccessible::Description).isEmpty(), qPrintable(name));
    }
    QCOMPARE(readOut(f.find("Comando_Dezena"), QAccessible::Description),
             QStringLiteral("0 contas. Adicionar uma conta na haste das dezenas; as teclas "
                            "Backspace e Delete tiram a última conta"));
    QCOMPARE(readOut(f.find("Símbolo"), QAccessible::Name), QStringLiteral("mais"));
    // Qt reads a menu entry's caption; each menu reads its own name.
    for (const char* menu : {"MnuArq", "MnuNovo", "MnuJogo", "MnuSist", "MnuApagar", "MnuAjuda"})
        QVERIFY2(!readOut(f.find<QMenu>(menu), QAccessible::Name).isEmpty(), menu);
    // The expected answer, hidden under "CORRIGIR", is kept from readers too.
    QVERIFY(!f.caption("Resultado").isEmpty());
    QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(f.find("Resultado"));
    QVERIFY(hidden->state().invisible && hidden->text(QAccessible::Name).isEmpty() &&
            hidden->text(QAccessible::Value).isEmpty());
    // Each rod's press area and beads, as the number their description opens with.
    const auto counts = [&f] {
        QList<int> counted;
        for (const char* name :
             {"ImageMilhar", "ImageCentena", "ImageDezena", "ImageUnidade", "M", "C", "D", "U",
              "Comando_Milhar", "Comando_Centena", "Comando_Dezena", "Comando_Unidade"})
            counted << readOut(f.find(name), QAccessible::Description).section(u' ', 0, 0).toInt();
        return counted;
    };
    f.click("Comando_Centena", 2);
    f.click("Comando_Unidade", 61); // one past the rod's 60 places
    QCOMPARE(counts(), QList<int>({0, 2, 0, 61, 0, 2, 0, 61, 0, 2, 0, 61}));
    f.press(f.beadRect("U", 2).center());
    f.press(f.beadRect("C", 1).center());
    QCOMPARE(counts(), QList<int>({0, 1, 0, 60, 0, 1, 0, 60, 0, 1, 0, 60}));
    f.choose("MnuIniciante"); // a new exercise clears the frame
    QCOMPARE(counts(), QList<int>(12, 0));
}

void TestWindow::drawsAtTwiceTheDensity() {
    Fixture f;
    f.click("Comando_Unidade", 2);
    f.window.show();
    QImage image(f.client()->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    f.client()->render(&image);
    // Device pixels in the window-text colour, from x0 to x1 on device row y.
    const auto ink = [&](int y, int x0, int x1) {
        QString marks;
        for (int x = x0; x <= x1; ++x)
            marks += image.pixel(x, y) == qRgb(0, 0, 0) ? u'#' : u'.';
        return marks;
    };
    // Across units bead 2 (from 1088): the 1-pixel outline on the box's first
    // and last 2 device pixels and, inside, a rising line of the hatching, 1
    // pixel wide, a device pixel further left on the next row down.
    QCOMPARE(ink(370, 1087, 1106), QStringLiteral(".##..........##..##."));
    QCOMPARE(ink(371, 1087, 1106), QStringLiteral(".##.........##...##."));
    // The 3-pixel line between tens and units, at 7725 twips.
    QCOMPARE(ink(370, 1024, 1035), QStringLiteral("...######..."));
    // The icon is drawn from its SVG, not scaled up from the 32 x 32 images.
    QCOMPARE(f.window.windowIcon().pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
}

void TestWindow::addButtonColours() {
    // The window built under one style; then, while it is open, another
    // style and dark colours. Fusion shades a button's face from the palette:
    // only a colour of the button's own holds there.
    QApplication::setStyle(QStringLiteral("Windows"));
    Fixture f;
    f.window.show();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Button, QColor(60, 60, 60));
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();

    const QImage image = f.client()->grab().toImage();
    for (const auto& r : kRods) {
        const QRect g = f.find(r.button)->geometry();
        QCOMPARE(QColor(image.pixel(g.left() + 6, g.center().y())), r.colour);
    }
    // The window's own background follows the colours, and the answer boxes
    // take the groove colour of a scroll bar as it is drawn now.
    QCOMPARE(QColor(image.pixel(5, 300)), palette.color(QPalette::Button));
    QScrollBar bar(Qt::Horizontal);
    bar.resize(200, 20);
    const QImage box = f.find("RespU")->grab().toImage();
    QCOMPARE(QColor(box.pixel(box.rect().center())), QColor(bar.grab().toImage().pixel(150, 10)));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
