#include "OrdelWindow.h"
#include "QtTranslation.h"
#include "Words.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <string_view>

namespace {

#ifdef Q_OS_LINUX
// Whether the command line names Qt's platform ("-platform offscreen"), which
// Qt reads when the application is made and which needs no display.
bool platformOption(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return true;
    }
    return false;
}

// Without a display Qt would only abort with a terse message in English: this
// says, in the program's language, what is missing and how to run it anyway.
bool displayFound(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformOption(argc, argv)) {
        std::fputs(ordel::words::kNoDisplay.data(), stderr);
        return false;
    }
    return true;
}
#else
// Windows always has its desktop.
bool displayFound(int, char*[]) {
    return true;
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    if (!displayFound(argc, argv))
        return 1;
    // The window's class on X11 (WM_CLASS) is Qt's application name, by
    // default the name the program was started by; fixed here, it is the
    // desktop entry's StartupWMClass whatever the program's file is called.
    QCoreApplication::setApplicationName(QStringLiteral("ordel"));
    QApplication app(argc, argv);
    installQtTranslation(app, QLocale());
    // The installed desktop entry's name: on Wayland the desktop matches the
    // window to it by this name, and shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORDEL_APP_ID));
    OrdelWindow window;
    window.show();
    return QApplication::exec();
}
