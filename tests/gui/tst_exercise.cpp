// Exercises done as the pupil does them, with clicks and keys on the real
// window: the focus and the keyboard, beads put on and taken off, the answer
// check with its message boxes, the answer boxes, and the exercise line.

#include "GuiSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using gui::find;
using gui::Fixture;
using gui::name;
using gui::SeenBox;

namespace {

const QColor kBlue(0, 0, 255);

struct RodControls {
    const char* button;
    const char* area;
    const char* array;
    QColor colour;
};

const RodControls kMilhar{"Comando_Milhar", "ImageMilhar", "M", QColor(255, 255, 0)};
const RodControls kCentena{"Comando_Centena", "ImageCentena", "C", QColor(0, 192, 0)};
const RodControls kDezena{"Comando_Dezena", "ImageDezena", "D", QColor(255, 0, 0)};
const RodControls kUnidade{"Comando_Unidade", "ImageUnidade", "U", kBlue};
const RodControls kRods[] = {kMilhar, kCentena, kDezena, kUnidade};

// How many beads of the rod show, read from the pixels: the first hidden bead
// ends the count, and no bead after it may show.
int beadsShown(const Fixture& f, const QImage& image, const RodControls& rod, int capacity) {
    int shown = 0;
    while (shown < capacity && gui::beadShown(image, f.beadRect(rod.array, shown + 1), rod.colour))
        ++shown;
    for (int bead = shown + 1; bead <= capacity; ++bead) {
        if (gui::countColour(image, f.beadRect(rod.array, bead), rod.colour) != 0)
            return -1;
    }
    return shown;
}

int unitsShown(const Fixture& f) {
    return beadsShown(f, f.grabClient(), kUnidade, 60);
}

void press(const Fixture& f, const char* area, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = {}, QPoint at = QPoint()) {
    QTest::mousePress(find<QWidget>(*f.window, area), button, modifiers, at);
    QTest::mouseRelease(find<QWidget>(*f.window, area), button, modifiers, at);
}

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private slots:
    void focusAndTabOrder();
    void spaceBarAddsUnitsBead();
    void noDefaultButton();
    void fullExercise();
    void pressRemovesOneBead_data();
    void pressRemovesOneBead();
    void undoFromMenuRemovesNothing();
    void answerBoxes();
    void exerciseLine_data();
    void exerciseLine();
    void resultNeverShows();
};

void TestExercise::focusAndTabOrder() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(*f.window, "Comando_Unidade"));

    // Presses elsewhere do not take the focus.
    press(f, "ImageDezena");
    QTest::mouseClick(find<QWidget>(*f.window, "RespU"), Qt::LeftButton);
    QTest::mouseClick(find<QWidget>(*f.window, "Numero2"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(*f.window, "Comando_Unidade"));

    const QStringList forward{name("Comando_Dezena"),  name("Comando_Centena"),
                              name("Comando_Milhar"),  name("Cmd_Corrigir"),
                              name("Comando_Unidade"), name("Comando_Dezena")};
    for (const QString& next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    const QStringList backward{name("Comando_Unidade"), name("Cmd_Corrigir"),
                               name("Comando_Milhar")};
    for (const QString& previous : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), previous);
    }
}

void TestExercise::spaceBarAddsUnitsBead() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.window->core().ContaUnidade(), 1);
    QCOMPARE(unitsShown(f), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(unitsShown(f), 2);
}

void TestExercise::noDefaultButton() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

    const auto buttons = f.window->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 5);
    for (const QPushButton* b : buttons) {
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
        QVERIFY2(!b->autoDefault(), qPrintable(b->objectName()));
    }
    // Enter presses nothing: no bead, and no answer check (which would open
    // a box and fill the answer boxes).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(f.window->core().ContaUnidade(), 0);
    QCOMPARE(f.caption("RespU"), QString());
}

void TestExercise::fullExercise() {
    // Start-up draws (3, 7): build 7. The next number is 5.
    Fixture f(3, 7);
    f.random.queue({2, 5});
    f.window->show();
    QCOMPARE(f.caption("Legenda"), QStringLiteral("Iniciante"));
    QCOMPARE(f.caption("Numero2"), QStringLiteral("7"));

    f.click("Comando_Unidade", 8);
    QCOMPARE(unitsShown(f), 8);
    // A press on the rod's area takes the last bead off again.
    press(f, "ImageUnidade");
    QCOMPARE(unitsShown(f), 7);

    SeenBox box;
    gui::answerNextBox(box, f.window.get());
    f.click("Cmd_Corrigir");
    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("Muito bem, você acertou !!!"));
    QCOMPARE(box.title, QStringLiteral("Ordel"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(box.okOnly);
    QCOMPARE(box.buttons, 1);

    // Cleared, and the next number set.
    QCOMPARE(unitsShown(f), 0);
    QCOMPARE(f.caption("RespU"), QString());
    QCOMPARE(f.caption("Numero2"), QStringLiteral("5"));

    // A wrong answer leaves the board and the number as they were.
    f.click("Comando_Unidade", 3);
    SeenBox wrong;
    gui::answerNextBox(wrong, f.window.get());
    f.click("Cmd_Corrigir");
    QVERIFY(wrong.seen);
    QCOMPARE(wrong.text, QStringLiteral("Tente Novamente !!!"));
    QCOMPARE(wrong.title, QStringLiteral("Ordel"));
    QCOMPARE(wrong.icon, QMessageBox::NoIcon);
    QVERIFY(wrong.okOnly);
    QCOMPARE(unitsShown(f), 3);
    QCOMPARE(f.caption("Numero2"), QStringLiteral("5"));
    QCOMPARE(f.caption("RespU"), QStringLiteral("3"));
}

void TestExercise::pressRemovesOneBead_data() {
    QTest::addColumn<int>("rod");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("where");

    QTest::newRow("M, left button, middle") << 0 << int(Qt::LeftButton) << 0 << "middle";
    QTest::newRow("C, right button, on a bead") << 1 << int(Qt::RightButton) << 0 << "bead";
    QTest::newRow("D, middle button, top-left corner")
        << 2 << int(Qt::MiddleButton) << 0 << "top-left";
    QTest::newRow("U, Shift, bottom-right corner")
        << 3 << int(Qt::LeftButton) << int(Qt::ShiftModifier) << "bottom-right";
    QTest::newRow("U, Ctrl+Alt, on a bead")
        << 3 << int(Qt::LeftButton) << int(Qt::ControlModifier | Qt::AltModifier) << "bead";
    QTest::newRow("C, right button, bottom-right corner")
        << 1 << int(Qt::RightButton) << 0 << "bottom-right";
}

void TestExercise::pressRemovesOneBead() {
    QFETCH(int, rod);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(QString, where);

    Fixture f;
    f.window->show();
    const int capacities[] = {20, 40, 70, 60};
    for (const RodControls& r : kRods)
        f.click(r.button, 3);

    const RodControls& pressed = kRods[rod];
    auto* area = find<QWidget>(*f.window, pressed.area);
    QPoint at = area->rect().center();
    if (where == QLatin1String("top-left"))
        at = QPoint(0, 0);
    else if (where == QLatin1String("bottom-right"))
        at = area->rect().bottomRight();
    else if (where == QLatin1String("bead"))
        at = area->mapFrom(f.client(), f.beadRect(pressed.array, 2).center());

    press(f, pressed.area, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
    const QImage image = f.grabClient();
    for (std::size_t r = 0; r < 4; ++r) {
        const int expected = int(r) == rod ? 2 : 3;
        QCOMPARE(beadsShown(f, image, kRods[r], capacities[r]), expected);
    }

    // On an emptied rod a press changes nothing.
    press(f, pressed.area, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
    press(f, pressed.area, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
    press(f, pressed.area, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
    QCOMPARE(beadsShown(f, f.grabClient(), pressed, capacities[rod]), 0);
    f.click(pressed.button);
    QCOMPARE(beadsShown(f, f.grabClient(), pressed, capacities[rod]), 1);
}

void TestExercise::undoFromMenuRemovesNothing() {
    Fixture f;
    f.window->show();
    f.click("Comando_Unidade", 4);
    press(f, "ImageUnidade");
    f.choose("MNuDesfazer");
    f.choose("MNuDesfazer");
    QCOMPARE(unitsShown(f), 3);
    QCOMPARE(f.window->core().ContaUnidade(), 3);
}

void TestExercise::answerBoxes() {
    Fixture f(3, 7);
    f.window->resize(800, 520); // uncover the answer band
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.click("Comando_Unidade", 12);
    f.click("Comando_Milhar", 1);

    SeenBox box;
    gui::answerNextBox(box, f.window.get());
    f.click("Cmd_Corrigir");
    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("Tente Novamente !!!"));

    const QStringList expected{name("1"), name("0"), name("0"), name("12")};
    const char* boxes[] = {"RespM", "RespC", "RespD", "RespU"};
    for (int i = 0; i < 4; ++i) {
        auto* answer = find<QLineEdit>(*f.window, boxes[i]);
        QCOMPARE(answer->text(), expected[i]);
        QVERIFY(!answer->isEnabled());
        QCOMPARE(answer->focusPolicy(), Qt::NoFocus);
    }

    // The pupil can neither focus nor change them.
    auto* units = find<QLineEdit>(*f.window, "RespU");
    QTest::mouseClick(units, Qt::LeftButton);
    QTest::keyClicks(units, QStringLiteral("99"));
    QCOMPARE(units->text(), QStringLiteral("12"));
    QVERIFY(!units->hasFocus());

    // Drawn in the disabled text colour.
    const QColor disabled = units->palette().color(QPalette::Disabled, QPalette::Text);
    const QColor active = units->palette().color(QPalette::Active, QPalette::Text);
    QVERIFY(disabled != active);
    const QImage image = f.grabClient();
    QVERIFY(gui::countColour(image, units->geometry(), disabled) > 10);
    QCOMPARE(gui::countColour(image, units->geometry(), active), 0);

    // Adding beads does not change them; a right answer empties them.
    f.click("Comando_Unidade", 1);
    QCOMPARE(units->text(), QStringLiteral("12"));
    // 13 units down to 7, the number to build.
    press(f, "ImageUnidade", Qt::LeftButton, {}, QPoint(5, 5));
    for (int i = 0; i < 5; ++i)
        press(f, "ImageUnidade");
    press(f, "ImageMilhar");
    SeenBox right;
    gui::answerNextBox(right, f.window.get());
    f.click("Cmd_Corrigir");
    QCOMPARE(right.text, QStringLiteral("Muito bem, você acertou !!!"));
    for (const char* b : boxes)
        QCOMPARE(find<QLineEdit>(*f.window, b)->text(), QString());
}

void TestExercise::exerciseLine_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v2");
    QTest::addColumn<QString>("numero1");
    QTest::addColumn<QString>("numero2");

    QTest::newRow("1 + 1 digits") << name("MnuAdição") << 3 << 7 << "3"
                                  << "7";
    QTest::newRow("4 + 4 digits") << name("MnuAdição") << 9999 << 9999 << "9999"
                                  << "9999";
    QTest::newRow("5 + 5 digits") << name("MnuAdição") << 10000 << 10999 << "10000"
                                  << "10999";
    QTest::newRow("5 - 1 digits") << name("MnuSubtração") << 8 << 20999 << "20999"
                                  << "8";
    QTest::newRow("5 - 5 digits") << name("MnuSubtração") << 20999 << 19999 << "20999"
                                  << "19999";
    QTest::newRow("1 - 1 digits, equal") << name("MnuSubtração") << 5 << 5 << "5"
                                         << "5";
    QTest::newRow("5 x 1 digits") << name("MnuMultiplicação") << 10000 << 2 << "10000"
                                  << "2";
    QTest::newRow("3 x 2 digits") << name("MnuMultiplicação") << 253 << 83 << "253"
                                  << "83";
    QTest::newRow("1 x 5 digits") << name("MnuMultiplicação") << 1 << 20000 << "1"
                                  << "20000";
    QTest::newRow("5 : 5 digits") << name("MnuDivisão") << 20999 << 10000 << "20999"
                                  << "10000";
    QTest::newRow("5 : 1 digits") << name("MnuDivisão") << 11111 << 1 << "11111"
                                  << "1";
}

void TestExercise::exerciseLine() {
    QFETCH(QString, item);
    QFETCH(int, v1);
    QFETCH(int, v2);
    QFETCH(QString, numero1);
    QFETCH(QString, numero2);

    // Addition and multiplication take the pair held, drawn here by the mode
    // "Milhar"; subtraction and division draw a pair of their own.
    const bool drawsOwnPair = item == name("MnuSubtração") || item == name("MnuDivisão");
    Fixture f;
    if (drawsOwnPair)
        f.random.queue({1, 1});
    else
        f.random.queue({v1, v2});
    f.choose("MnuMilhar");
    f.choose("MnuAvançado");
    if (drawsOwnPair)
        f.random.queue({v1, v2});
    f.choose(item.toUtf8().constData());
    f.window->show();

    QCOMPARE(f.caption("Numero1"), numero1);
    QCOMPARE(f.caption("Numero2"), numero2);
    const char* line[] = {"Numero1", "Símbolo", "Numero2", "Label2"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* label = find<QLabel>(*f.window, line[i]);
        QVERIFY2(label->isVisible(), line[i]);
        QVERIFY2(!label->text().isEmpty(), line[i]);
        if (i > 0) {
            const QRect left = find<QWidget>(*f.window, line[i - 1])->geometry();
            QVERIFY2(left.right() < label->geometry().left(),
                     qPrintable(QStringLiteral("%1 reaches %2, %3 starts at %4")
                                    .arg(name(line[i - 1]))
                                    .arg(left.right())
                                    .arg(name(line[i]))
                                    .arg(label->geometry().left())));
        }
    }
}

void TestExercise::resultNeverShows() {
    Fixture f;
    f.random.queue({20998, 1});
    f.choose("MnuMilhar");
    f.choose("MnuAvançado");
    f.window->show();
    QCOMPARE(f.caption("Resultado"), QStringLiteral("20999"));

    // Outside the button, all of Resultado is background: no digit shows.
    const QImage image = f.grabClient();
    const QRect check = find<QWidget>(*f.window, "Cmd_Corrigir")->geometry();
    const QRect resultado = find<QWidget>(*f.window, "Resultado")->geometry();
    QVERIFY(find<QWidget>(*f.window, "Resultado")->isVisible());
    const QRgb background = f.client()->palette().color(QPalette::Button).rgb();
    for (int y = resultado.top(); y <= resultado.bottom(); ++y) {
        for (int x = resultado.left(); x <= resultado.right(); ++x) {
            if (!check.contains(x, y))
                QCOMPARE(QColor(image.pixel(x, y)), QColor(background));
        }
    }
    // And the button's caption is what shows where the result lies.
    QCOMPARE(f.client()->childAt(resultado.topLeft() + QPoint(10, 10)),
             find<QWidget>(*f.window, "Cmd_Corrigir"));
}

QTEST_MAIN(TestExercise)
#include "tst_exercise.moc"
