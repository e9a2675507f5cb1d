// What the pupil sees, read from the window's pixels: the beads' shapes,
// colours, hatching and outline, the frame's lines, the colours of the
// buttons under different styles and colour schemes, and that a bead's change
// repaints that bead alone.

#include "GuiSupport.h"

#include <QPaintEvent>
#include <QPalette>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>

#include <map>
#include <vector>

using gui::find;
using gui::Fixture;
using gui::name;

namespace {

// A window-text colour that is neither black (the hatching) nor any rod's
// colour, so that the outline can be told apart.
const QColor kWindowText(128, 0, 128);

QPalette paletteWithWindowText(QColor text) {
    QPalette p = QApplication::style()->standardPalette();
    p.setColor(QPalette::WindowText, text);
    return p;
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::Button, QColor(60, 60, 60));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return p;
}

struct Pixel {
    int x;
    int y;
};

// The black pixels of a bead's box: its hatching.
std::vector<Pixel> blackPixels(const QImage& image, const QRect& box) {
    std::vector<Pixel> black;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0))
                black.push_back({x, y});
        }
    }
    return black;
}

int mod8(int v) {
    return ((v % 8) + 8) % 8;
}

// The residue mod 8 that most of the pixels share under f.
template <class F> int commonResidue(const std::vector<Pixel>& pixels, F f) {
    std::map<int, int> counts;
    for (const Pixel& p : pixels)
        ++counts[mod8(f(p))];
    int best = 0;
    int bestCount = -1;
    for (const auto& [residue, count] : counts) {
        if (count > bestCount) {
            best = residue;
            bestCount = count;
        }
    }
    return best;
}

// Two families of lines 8 pixels apart, told by f and g: every pixel on one
// of them, and each family present on its own.
template <class F, class G> bool twoFamilies(const std::vector<Pixel>& pixels, F f, G g) {
    const int a = commonResidue(pixels, f);
    const int b = commonResidue(pixels, g);
    bool onlyA = false;
    bool onlyB = false;
    for (const Pixel& p : pixels) {
        const bool inA = mod8(f(p)) == a;
        const bool inB = mod8(g(p)) == b;
        if (!inA && !inB)
            return false;
        onlyA = onlyA || (inA && !inB);
        onlyB = onlyB || (inB && !inA);
    }
    return onlyA && onlyB;
}

} // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void beadLook_data();
    void beadLook();
    void beadsHiddenUntilShown();
    void lines_data();
    void lines();
    void lowestThingShownAtStart();
    void buttonColours_data();
    void buttonColours();
    void onlyTheChangedBeadIsRepainted();
};

void TestPainting::beadLook_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("hatch");

    QTest::newRow("M: yellow ellipse, cross")
        << name("M") << name("Comando_Milhar") << QColor(255, 255, 0) << "ellipse"
        << "cross";
    QTest::newRow("C: green square, diagonal cross")
        << name("C") << name("Comando_Centena") << QColor(0, 192, 0) << "square"
        << "diagcross";
    QTest::newRow("D: red circle, cross")
        << name("D") << name("Comando_Dezena") << QColor(255, 0, 0) << "ellipse"
        << "cross";
    QTest::newRow("U: blue rectangle, rising diagonals")
        << name("U") << name("Comando_Unidade") << QColor(0, 0, 255) << "rectangle"
        << "rising";
}

void TestPainting::beadLook() {
    QFETCH(QString, array);
    QFETCH(QString, button);
    QFETCH(QColor, colour);
    QFETCH(QString, shape);
    QFETCH(QString, hatch);

    Fixture f;
    f.window->setPalette(paletteWithWindowText(kWindowText));
    f.window->show();
    f.click(button.toUtf8().constData(), 2);

    const QImage image = f.grabClient();
    const QRect box = f.beadRect(array.toUtf8().constData(), 1);
    const QColor background = f.client()->palette().color(QPalette::Button);
    const auto at = [&image](int x, int y) {
        return QColor(image.pixel(x, y));
    };

    QVERIFY(gui::beadShown(image, box, colour));
    if (shape == QLatin1String("ellipse")) {
        // The corners of the box stay empty; the outline touches the middle
        // of each side.
        for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QCOMPARE(at(corner.x(), corner.y()), background);
        QCOMPARE(at(box.left(), box.center().y()), kWindowText);
        QCOMPARE(at(box.right(), box.center().y()), kWindowText);
        QCOMPARE(at(box.center().x(), box.top()), kWindowText);
        QCOMPARE(at(box.center().x(), box.bottom()), kWindowText);
    } else if (shape == QLatin1String("square")) {
        // A 25-pixel square whose top lies 4 pixels below the box's top.
        QCOMPARE(at(box.left(), box.top() + 3), background);
        QCOMPARE(at(box.left(), box.top() + 4), kWindowText);
        QCOMPARE(at(box.left() + 24, box.top() + 4), kWindowText);
        QCOMPARE(at(box.left(), box.top() + 28), kWindowText);
        QCOMPARE(at(box.left() + 24, box.top() + 28), kWindowText);
        QCOMPARE(at(box.left(), box.top() + 29), background);
        QCOMPARE(at(box.left() + 25, box.top() + 10), background);
    } else {
        for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QCOMPARE(at(corner.x(), corner.y()), kWindowText);
        QCOMPARE(at(box.right() + 1, box.top()), background);
        QCOMPARE(at(box.left(), box.bottom() + 1), background);
    }

    const std::vector<Pixel> black = blackPixels(image, box);
    QVERIFY(black.size() >= 3);
    const auto x = [](const Pixel& p) {
        return p.x;
    };
    const auto y = [](const Pixel& p) {
        return p.y;
    };
    const auto sum = [](const Pixel& p) {
        return p.x + p.y;
    };
    const auto diff = [](const Pixel& p) {
        return p.x - p.y;
    };
    if (hatch == QLatin1String("cross")) {
        QVERIFY(twoFamilies(black, x, y));
    } else if (hatch == QLatin1String("diagcross")) {
        QVERIFY(twoFamilies(black, sum, diff));
    } else {
        // Rising to the right: going right one pixel, the line goes up one,
        // so x + y is the same along it.
        const int line = commonResidue(black, sum);
        for (const Pixel& p : black)
            QCOMPARE(mod8(sum(p)), line);
    }
}

void TestPainting::beadsHiddenUntilShown() {
    Fixture f;
    f.window->show();
    const struct {
        const char* array;
        int capacity;
        QColor colour;
    } rods[] = {{"M", 20, QColor(255, 255, 0)},
                {"C", 40, QColor(0, 192, 0)},
                {"D", 70, QColor(255, 0, 0)},
                {"U", 60, QColor(0, 0, 255)}};

    QImage image = f.grabClient();
    for (const auto& rod : rods) {
        for (int bead = 1; bead <= rod.capacity; ++bead)
            QCOMPARE(gui::countColour(image, f.beadRect(rod.array, bead), rod.colour), 0);
    }

    // Full rods, and more: every bead shows, nothing beyond the last one.
    f.click("Comando_Milhar", 21);
    f.click("Comando_Centena", 41);
    f.click("Comando_Dezena", 71);
    f.click("Comando_Unidade", 61);
    image = f.grabClient();
    for (const auto& rod : rods) {
        for (int bead = 1; bead <= rod.capacity; ++bead)
            QVERIFY2(gui::beadShown(image, f.beadRect(rod.array, bead), rod.colour),
                     qPrintable(QStringLiteral("%1 %2").arg(name(rod.array)).arg(bead)));
    }
}

void TestPainting::lines_data() {
    QTest::addColumn<QLine>("line");

    QTest::newRow("0, lower edge of the button band") << QLine(19, 152, 686, 152);
    QTest::newRow("1, top edge") << QLine(19, 96, 686, 96);
    QTest::newRow("2, thousands | hundreds") << QLine(168, 96, 168, 480);
    QTest::newRow("3, hundreds | tens") << QLine(336, 96, 336, 480);
    QTest::newRow("4, tens | units") << QLine(515, 96, 515, 480);
    QTest::newRow("5, right edge") << QLine(688, 96, 688, 480);
    QTest::newRow("6, lower edge of the bead area") << QLine(19, 424, 686, 424);
    QTest::newRow("7, bottom edge") << QLine(16, 480, 688, 480);
    QTest::newRow("8, left edge") << QLine(16, 96, 16, 480);
}

void TestPainting::lines() {
    QFETCH(QLine, line);

    Fixture f;
    f.window->setPalette(paletteWithWindowText(kWindowText));
    f.window->resize(800, 560);
    f.window->show();
    const QImage image = f.grabClient();
    const QColor background = f.client()->palette().color(QPalette::Button);

    // Three pixels wide across the line, in the window-text colour, along its
    // whole length; background just outside it.
    const bool horizontal = line.dy() == 0;
    const QPoint across = horizontal ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint along = horizontal ? QPoint(1, 0) : QPoint(0, 1);
    const int length = horizontal ? line.dx() : line.dy();
    for (int step = 0; step <= length; step += 7) {
        const QPoint p = line.p1() + along * step;
        // Skip where another line crosses or meets this one.
        if (QColor(image.pixel(p + across * 2)) != background ||
            QColor(image.pixel(p - across * 2)) != background)
            continue;
        QCOMPARE(QColor(image.pixel(p - across)), kWindowText);
        QCOMPARE(QColor(image.pixel(p)), kWindowText);
        QCOMPARE(QColor(image.pixel(p + across)), kWindowText);
    }
    QCOMPARE(QColor(image.pixel(line.p1())), kWindowText);
    QCOMPARE(QColor(image.pixel(line.p2())), kWindowText);
}

void TestPainting::lowestThingShownAtStart() {
    Fixture f;
    f.window->setPalette(paletteWithWindowText(kWindowText));
    f.window->show();
    const QImage image = f.grabClient();
    QCOMPARE(image.height(), 425);
    // The line at Top 6360 (pixel 424) shows as the bead area's lower edge.
    for (int x : {19, 100, 400, 686})
        QCOMPARE(QColor(image.pixel(x, 424)), kWindowText);
}

void TestPainting::buttonColours_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark");

    for (const QString& style : QStyleFactory::keys()) {
        QTest::addRow("%s, standard colours", qPrintable(style)) << style << false;
        QTest::addRow("%s, dark colours", qPrintable(style)) << style << true;
    }
}

void TestPainting::buttonColours() {
    QFETCH(QString, style);
    QFETCH(bool, dark);

    const QString previousStyle = QApplication::style()->name();
    const QPalette previousPalette = QApplication::palette();
    QApplication::setStyle(style);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    const auto restore = qScopeGuard([&] {
        QApplication::setStyle(previousStyle);
        QApplication::setPalette(previousPalette);
    });

    Fixture f;
    f.window->show();
    const QImage image = f.grabClient();
    const QColor face = QApplication::palette().color(QPalette::Button);

    // The add buttons keep their rods' colours whatever the scheme.
    const struct {
        const char* button;
        QColor colour;
    } adds[] = {{"Comando_Milhar", QColor(255, 255, 0)},
                {"Comando_Centena", QColor(0, 192, 0)},
                {"Comando_Dezena", QColor(255, 0, 0)},
                {"Comando_Unidade", QColor(0, 0, 255)}};
    for (const auto& add : adds) {
        const QRect g = find<QWidget>(*f.window, add.button)->geometry();
        QCOMPARE(QColor(image.pixel(g.left() + 6, g.center().y())), add.colour);
        QCOMPARE(QColor(image.pixel(g.right() - 6, g.top() + 6)), add.colour);
    }

    // The window's background and the labels follow the scheme.
    QCOMPARE(QColor(image.pixel(5, 300)), face);
    const QRect legenda = find<QWidget>(*f.window, "Legenda")->geometry();
    QCOMPARE(QColor(image.pixel(legenda.topLeft())), face);

    // So does "CORRIGIR": styles shade a button's face, but from the
    // scheme's button colour.
    const QRect check = find<QWidget>(*f.window, "Cmd_Corrigir")->geometry();
    const QColor checkFace(image.pixel(check.left() + 8, check.center().y()));
    QVERIFY2(qAbs(checkFace.red() - face.red()) <= 24 &&
                 qAbs(checkFace.green() - face.green()) <= 24 &&
                 qAbs(checkFace.blue() - face.blue()) <= 24,
             qPrintable(checkFace.name() + QStringLiteral(" for ") + face.name()));
}

namespace {

// Collects the regions a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* watched) { watched->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

} // namespace

void TestPainting::onlyTheChangedBeadIsRepainted() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto* units = find<BeadArray>(*f.window, "U");
    auto* hundreds = find<BeadArray>(*f.window, "C");
    QTRY_VERIFY(!units->visibleRegion().isEmpty());
    QTest::qWait(50);

    PaintRecorder unitsPainted(units);
    PaintRecorder hundredsPainted(hundreds);
    find<QAbstractButton>(*f.window, "Comando_Unidade")->click();
    QTRY_VERIFY(unitsPainted.paints > 0);
    QTest::qWait(50);

    QCOMPARE(unitsPainted.painted.boundingRect(), units->beadRect(1));
    QCOMPARE(hundredsPainted.paints, 0);
}

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
