// The window in the state of the README's pictures, drawn on Qt's offscreen
// platform at the scale the environment sets, against the picture given:
// every place, size, colour, hatch, caption and frame line at once.
//   tst_picture PICTURE.png      (exit 0 equal, 1 different, 77 skipped)
// On a difference it writes the picture it drew and a map of the different
// pixels (red) into the current folder, and names them.

#include "Appearance.h"
#include "support/Screenshot.h"

#include <QFileInfo>
#include <QFontInfo>

#include <cstdio>

namespace {

// The face the pictures were drawn with, for the window's own texts and for
// the menu bar's: with another, every caption differs.
const QString kPictureFont = QStringLiteral("DejaVu Sans");

// The picture drawn, with the pixels that differ from the wanted one in red
// and the others faded.
QImage differences(const QImage& drawn, const QImage& wanted, int& count) {
    QImage map(drawn.size(), QImage::Format_RGB32);
    count = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const QRgb d = drawn.pixel(x, y);
            const bool same = wanted.valid(x, y) && wanted.pixel(x, y) == d;
            count += same ? 0 : 1;
            map.setPixel(x, y,
                         same ? qRgb(128 + qGray(d) / 2, 128 + qGray(d) / 2, 128 + qGray(d) / 2)
                              : qRgb(255, 0, 0));
        }
    }
    return map;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tst_picture PICTURE.png\n", stderr);
        return 2;
    }
    for (const QFont& font : {windowFont(12), QApplication::font()}) {
        const QString found = QFontInfo(font).family();
        if (found != kPictureFont) {
            std::printf(
                "SKIP: the pictures were drawn in %s, which this machine replaces with %s\n",
                qPrintable(kPictureFont), qPrintable(found));
            return 77;
        }
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QImage wanted = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (wanted.isNull()) {
        std::printf("FAIL: cannot read %s\n", qPrintable(file));
        return 1;
    }
    ordel::test::Screenshot screenshot;
    const QImage drawn = screenshot.picture();
    int count = 0;
    const QImage map = differences(drawn, wanted, count);
    if (count == 0 && drawn.size() == wanted.size()) {
        std::printf("PASS: %s, %d x %d pixels\n", qPrintable(file), drawn.width(), drawn.height());
        return 0;
    }
    const QString base = QFileInfo(file).completeBaseName();
    const QString drawnFile = QFileInfo(base + QStringLiteral("-drawn.png")).absoluteFilePath();
    const QString mapFile = QFileInfo(base + QStringLiteral("-differences.png")).absoluteFilePath();
    drawn.save(drawnFile);
    map.save(mapFile);
    std::printf("FAIL: drawn %d x %d, %s is %d x %d; %d pixels differ.\n"
                "The picture drawn: %s\nThe pixels that differ, in red: %s\n",
                drawn.width(), drawn.height(), qPrintable(file), wanted.width(), wanted.height(),
                count, qPrintable(drawnFile), qPrintable(mapFile));
    return 1;
}
