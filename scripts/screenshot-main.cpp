// Draws the picture of the window for the README (Screenshot.h says
// which state) into the file named as the first argument, at the scale
// Qt is given (scripts/screenshot runs it at 1 and 2).

#include "Screenshot.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("uso: ordel_screenshot ARQUIVO.png\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    ordel::test::Screenshot screenshot;
    if (!screenshot.picture().save(file, "PNG")) {
        std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
