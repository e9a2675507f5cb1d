// Draws a picture of the window (Screenshot.h says which states) into the
// file named as the first argument, at the scale Qt is given
// (scripts/screenshot runs it at 1 and 2): the README's, or with "full"
// after the file every rod full.

#include "Screenshot.h"

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2 || (argc > 2 && std::string_view(argv[2]) != "full")) {
        std::fputs("uso: ordel_screenshot ARQUIVO.png [full]\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    ordel::test::Screenshot screenshot(argc > 2);
    if (!screenshot.picture().save(file, "PNG")) {
        std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
