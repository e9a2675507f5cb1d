// Draws the three 32 x 32 window icons into the folder given as argument: a
// disc with a black rim and a large question mark, the shapes of
// assets/icons/ordel.svg. Run through scripts/make-icons.sh.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>

namespace {

constexpr int kSize = 32;

struct Variant {
    const char* file;
    QColor disc;
    QColor mark;
    bool monochrome; // black and white only: no smoothing, two colours
};

constexpr QColor kBlack(0, 0, 0);
constexpr QColor kWhite(255, 255, 255);

const Variant kVariants[] = {
    {"ordel-32-red.png", kWhite, QColor(255, 0, 0), false},
    {"ordel-32-mono.png", kWhite, kBlack, true},
    {"ordel-32-green.png", QColor(0, 128, 0), kWhite, false},
};

void drawIcon(QPainter& painter, const Variant& v) {
    painter.setRenderHint(QPainter::Antialiasing, !v.monochrome);

    // The disc and its rim: circle r 14.75 stroked 2.5 wide.
    painter.setPen(QPen(kBlack, 2.5));
    painter.setBrush(v.disc);
    painter.drawEllipse(QPointF(16, 16), 14.75, 14.75);

    // The hook of the question mark: most of a circle round (16, 11.5), from
    // its left point over the top down to 60 degrees below the right, then a
    // short curve into the stem.
    QPainterPath hook;
    hook.moveTo(10.5, 11.5);
    hook.arcTo(QRectF(10.5, 6, 11, 11), 180, -240);
    hook.quadTo(16.2, 17.7, 16, 20.2);
    hook.lineTo(16, 20.6);
    painter.setPen(QPen(v.mark, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);

    // The dot.
    painter.setPen(Qt::NoPen);
    painter.setBrush(v.mark);
    painter.drawEllipse(QPointF(16, 25.4), 2.1, 2.1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const Variant& v : kVariants) {
        QImage image(kSize, kSize, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            drawIcon(painter, v);
        }
        if (v.monochrome) {
            // Keep the palette to black and white, with transparency outside
            // the disc only.
            image = image.convertToFormat(QImage::Format_Indexed8,
                                          {qRgba(0, 0, 0, 0), kBlack.rgb(), kWhite.rgb()},
                                          Qt::ThresholdDither | Qt::ThresholdAlphaDither);
        }
        const QString path = folder + QLatin1Char('/') + QLatin1String(v.file);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
