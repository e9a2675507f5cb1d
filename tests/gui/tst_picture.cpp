// The window in the state of the README's pictures, or with "full" every rod
// full, drawn on Qt's offscreen platform at the scale the environment sets,
// against the picture given: every place, size, colour, hatch, caption, bead
// and frame line at once.
//   tst_picture PICTURE.png [full]   (exit 0 equal, 1 different, 77 skipped)
// On a difference it writes the picture it drew and a map of the different
// pixels (red) into the current folder, and names them.

#include "Appearance.h"
#include "Screenshot.h"

#include <QFileInfo>
#include <QFontInfo>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The face the pictures were drawn in, for the window's texts and the
    // menu bar's: with another, every caption differs.
    const QString face = QStringLiteral("DejaVu Sans");
    for (const QFont& font : {windowFont(12), QApplication::font()}) {
        if (QString found = QFontInfo(font).family(); found != face) {
            found = found.isEmpty() ? QStringLiteral("no font at all") : found;
            std::printf(
                "SKIP: the pictures were drawn in %s, which this machine replaces with %s\n",
                qPrintable(face), qPrintable(found));
            return 77;
        }
    }
    const QString file = QString::fromLocal8Bit(argc >= 2 ? argv[1] : "");
    const QImage wanted = QImage(file).convertToFormat(QImage::Format_RGB32);
    ordel::test::Screenshot screenshot(argc > 2);
    const QImage drawn = screenshot.picture();
    // The picture drawn, faded where it matches and red where it differs.
    QImage map =
        drawn.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const bool same = wanted.valid(x, y) && wanted.pixel(x, y) == drawn.pixel(x, y);
            differ += same ? 0 : 1;
            map.setPixel(x, y, same ? (map.pixel(x, y) | 0xff808080) : qRgb(255, 0, 0));
        }
    }
    if (differ == 0 && drawn.size() == wanted.size()) {
        std::printf("PASS: %s, %d x %d pixels\n", qPrintable(file), drawn.width(), drawn.height());
        return 0;
    }
    const QString base = QFileInfo(QFileInfo(file).completeBaseName()).absoluteFilePath();
    drawn.save(base + QStringLiteral("-drawn.png"));
    map.save(base + QStringLiteral("-differences.png"));
    std::printf("FAIL: %d of the %d x %d pixels drawn differ from \"%s\" (%d x %d).\n"
                "Drawn: %s-drawn.png\nThe differences, in red: %s-differences.png\n",
                differ, drawn.width(), drawn.height(), qPrintable(file), wanted.width(),
                wanted.height(), qPrintable(base), qPrintable(base));
    return 1;
}
