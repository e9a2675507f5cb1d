#include "OrdelWindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    // Without a display Qt would only abort with a terse message.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("O Ordel precisa de uma tela gráfica, e nenhuma foi encontrada "
                   "(DISPLAY e WAYLAND_DISPLAY estão vazias).\n"
                   "Numa máquina sem tela, rode-o numa tela virtual: xvfb-run ./ordel\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    // The installed desktop entry's name: a desktop matches the window to it,
    // and shows the entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORDEL_APP_ID));
    OrdelWindow window;
    window.show();
    return QApplication::exec();
}
