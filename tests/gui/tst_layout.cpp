// Where every control stands and how large it is, against the window's
// design in pixels (15 twips to the pixel), and what the layout does when the
// window is enlarged.

#include "GuiSupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using gui::find;
using gui::Fixture;
using gui::name;

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void windowAtStart();
    void controlPlaces_data();
    void controlPlaces();
    void labelPlaces_data();
    void labelPlaces();
    void beadPlaces_data();
    void beadPlaces();
    void enlargingMovesNothing();
    void stacking();
    void fonts_data();
    void fonts();
};

void TestLayout::windowAtStart() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));

    QCOMPARE(f.window->windowTitle(), QStringLiteral("Ordel"));
    QCOMPARE(f.window->objectName(), QStringLiteral("Ordel"));
    QVERIFY(f.window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(f.client()->size(), QSize(770, 425));
    // The client area begins right below the menu bar.
    QCOMPARE(f.client()->y(), f.window->menuBar()->geometry().bottom() + 1);
}

void TestLayout::controlPlaces_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");

    QTest::newRow("Cmd_Corrigir") << name("Cmd_Corrigir") << QRect(512, 40, 145, 49);
    QTest::newRow("RespM") << name("RespM") << QRect(56, 432, 81, 45);
    QTest::newRow("RespC") << name("RespC") << QRect(216, 432, 81, 45);
    QTest::newRow("RespD") << name("RespD") << QRect(384, 432, 81, 45);
    QTest::newRow("RespU") << name("RespU") << QRect(568, 432, 81, 45);
    QTest::newRow("Comando_Milhar") << name("Comando_Milhar") << QRect(24, 104, 137, 41);
    QTest::newRow("Comando_Centena") << name("Comando_Centena") << QRect(184, 104, 137, 41);
    QTest::newRow("Comando_Dezena") << name("Comando_Dezena") << QRect(360, 104, 137, 41);
    QTest::newRow("Comando_Unidade") << name("Comando_Unidade") << QRect(528, 104, 137, 41);
    QTest::newRow("ImageMilhar") << name("ImageMilhar") << QRect(24, 160, 137, 257);
    QTest::newRow("ImageCentena") << name("ImageCentena") << QRect(168, 160, 161, 257);
    QTest::newRow("ImageDezena") << name("ImageDezena") << QRect(344, 160, 169, 249);
    QTest::newRow("ImageUnidade") << name("ImageUnidade") << QRect(520, 152, 169, 265);
}

void TestLayout::controlPlaces() {
    QFETCH(QString, control);
    QFETCH(QRect, place);

    Fixture f;
    f.window->show();
    auto* widget = f.client()->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), place);
    QVERIFY(widget->isVisible());
}

void TestLayout::labelPlaces_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("anchor"); // which point of the label stays put
    QTest::addColumn<int>("x");

    // Created with an empty caption (all but Label2, "="), a label keeps the
    // point its text is aligned to where it was then.
    QTest::newRow("Legenda, centred") << name("Legenda") << 0 << "centre" << 352;
    QTest::newRow("Numero1, right-aligned") << name("Numero1") << 48 << "right" << 288;
    QTest::newRow("Símbolo, centred") << name("Símbolo") << 48 << "centre" << 317;
    QTest::newRow("Numero2") << name("Numero2") << 48 << "left" << 352;
    QTest::newRow("Label2") << name("Label2") << 56 << "left" << 481;
    QTest::newRow("Resultado") << name("Resultado") << 56 << "left" << 536;
}

void TestLayout::labelPlaces() {
    QFETCH(QString, label);
    QFETCH(int, top);
    QFETCH(QString, anchor);
    QFETCH(int, x);

    // An exercise with five-digit operands gives the labels long captions.
    Fixture f;
    f.random.queue({12345, 6789});
    f.choose("MnuMilhar");
    f.choose("MnuAvançado");
    f.window->show();

    auto* l = find<QLabel>(*f.window, label.toUtf8().constData());
    QVERIFY(l != nullptr);
    QVERIFY(!l->text().isEmpty());
    QCOMPARE(l->y(), top);
    const QRect g = l->geometry();
    // "Centre" allows half a pixel either way for an odd width.
    if (anchor == QLatin1String("centre"))
        QVERIFY2(qAbs(g.left() + g.width() / 2 - x) <= 1, qPrintable(QString::number(g.left())));
    else if (anchor == QLatin1String("right"))
        QCOMPARE(g.right() + 1, x);
    else
        QCOMPARE(g.left(), x);

    // Sized to its caption, on one line.
    const QFontMetrics fm(l->font());
    QCOMPARE(l->height(), fm.height());
    QVERIFY(qAbs(l->width() - fm.horizontalAdvance(l->text())) <= 1);
}

void TestLayout::beadPlaces_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("bead");
    QTest::addColumn<QRect>("box");

    QTest::newRow("M 1") << name("M") << 1 << QRect(32, 168, 20, 41);
    QTest::newRow("M 4") << name("M") << 4 << QRect(128, 168, 20, 41);
    QTest::newRow("M 5, second row") << name("M") << 5 << QRect(32, 216, 20, 41);
    QTest::newRow("M 9, third row") << name("M") << 9 << QRect(32, 264, 20, 41);
    // 840 twips below the third row, not 720.
    QTest::newRow("M 13, fourth row") << name("M") << 13 << QRect(32, 320, 20, 41);
    QTest::newRow("M 20") << name("M") << 20 << QRect(128, 368, 20, 41);
    QTest::newRow("C 1") << name("C") << 1 << QRect(176, 160, 25, 33);
    QTest::newRow("C 6") << name("C") << 6 << QRect(176, 192, 25, 33);
    QTest::newRow("C 40") << name("C") << 40 << QRect(304, 384, 25, 33);
    QTest::newRow("D 1") << name("D") << 1 << QRect(344, 168, 17, 17);
    QTest::newRow("D 7") << name("D") << 7 << QRect(488, 168, 17, 17);
    QTest::newRow("D 70") << name("D") << 70 << QRect(488, 384, 17, 17);
    QTest::newRow("U 1") << name("U") << 1 << QRect(528, 168, 9, 33);
    QTest::newRow("U 10") << name("U") << 10 << QRect(672, 168, 9, 33);
    QTest::newRow("U 11") << name("U") << 11 << QRect(528, 208, 9, 33);
    QTest::newRow("U 60") << name("U") << 60 << QRect(672, 368, 9, 33);
}

void TestLayout::beadPlaces() {
    QFETCH(QString, array);
    QFETCH(int, bead);
    QFETCH(QRect, box);

    Fixture f;
    QCOMPARE(f.beadRect(array.toUtf8().constData(), bead), box);
}

void TestLayout::enlargingMovesNothing() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));

    const auto controls = f.client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(controls.size() >= 23);
    QList<QRect> before;
    for (const QWidget* w : controls)
        before.append(w->geometry());

    // The answer band lies below the client area at first.
    auto* answer = find<QLineEdit>(*f.window, "RespU");
    QVERIFY(answer->visibleRegion().isEmpty());

    f.window->resize(1100, 700);
    QTRY_COMPARE(f.client()->size().height() > 480, true);
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), before[i]);
    QCOMPARE(answer->visibleRegion().boundingRect(), answer->rect());

    // Smaller than at first: cut off at the right and at the bottom.
    f.window->resize(400, 200);
    QTRY_COMPARE(f.client()->width(), 400);
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), before[i]);
}

void TestLayout::stacking() {
    Fixture f;
    f.random.queue({20998, 1}); // an addition whose result, 20999, is the longest
    f.choose("MnuMilhar");
    f.choose("MnuAvançado");
    QCOMPARE(f.caption("Resultado"), QStringLiteral("20999"));
    f.window->show();

    const auto order = f.client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const auto at = [&order](const char* control) {
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (order[i]->objectName() == name(control))
                return i;
        }
        return qsizetype(-1);
    };
    // The buttons and the answer boxes stand over every label, press area,
    // bead array and line.
    for (const char* windowed :
         {"Cmd_Corrigir", "RespM", "RespU", "Comando_Milhar", "Comando_Unidade"}) {
        for (const char* windowless :
             {"Legenda", "Resultado", "Numero1", "ImageUnidade", "U", "Line1"})
            QVERIFY2(at(windowed) > at(windowless), windowed);
    }

    // Resultado is covered: every point of its text is the button's.
    auto* resultado = find<QLabel>(*f.window, "Resultado");
    auto* check = find<QWidget>(*f.window, "Cmd_Corrigir");
    const QRect ink = QFontMetrics(resultado->font())
                          .tightBoundingRect(resultado->text())
                          .translated(resultado->geometry().topLeft() +
                                      QPoint(0, QFontMetrics(resultado->font()).ascent()));
    QVERIFY2(check->geometry().contains(ink), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                             .arg(ink.x())
                                                             .arg(ink.y())
                                                             .arg(ink.width())
                                                             .arg(ink.height())));
    QCOMPARE(f.client()->childAt(ink.center()), check);
    QCOMPARE(f.client()->childAt(ink.topLeft()), check);
    QCOMPARE(f.client()->childAt(ink.bottomRight()), check);

    // A bead takes no mouse input: the press area beneath it does.
    f.click("Comando_Unidade");
    QCOMPARE(f.client()->childAt(f.beadRect("U", 1).center()),
             find<QWidget>(*f.window, "ImageUnidade"));
}

void TestLayout::fonts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("points");

    for (const char* label : {"Legenda", "Numero1", "Numero2", "Símbolo", "Resultado", "Label2"})
        QTest::newRow(label) << name(label) << 24.0;
    for (const char* box : {"RespM", "RespC", "RespD", "RespU"})
        QTest::newRow(box) << name(box) << 24.0;
    for (const char* button :
         {"Comando_Milhar", "Comando_Centena", "Comando_Dezena", "Comando_Unidade"})
        QTest::newRow(button) << name(button) << 13.5;
    QTest::newRow("Cmd_Corrigir") << name("Cmd_Corrigir") << 12.0;
}

void TestLayout::fonts() {
    QFETCH(QString, control);
    QFETCH(double, points);

    Fixture f;
    auto* widget = f.client()->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    const QFont font = widget->font();
    QCOMPARE(font.pointSizeF(), points);
    QVERIFY(font.bold());
    QCOMPARE(font.families().value(0), QStringLiteral("MS Sans Serif"));

    // Where that face is missing, one of the sans-serif faces named after it.
    const QFontInfo used(font);
    QVERIFY(used.bold());
    if (!QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))) {
        QVERIFY2(font.families().contains(used.family()), qPrintable(used.family()));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
