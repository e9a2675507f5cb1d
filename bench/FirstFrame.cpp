// Starts a window, and quits as soon as its first frame has been painted: the
// program's own window, or (built with ORDEL_BARE_WINDOW) a bare Qt main
// window with one menu bar, the floor that bench/startup.sh holds it against.

#ifdef ORDEL_BARE_WINDOW
#include <QMainWindow>
#include <QMenuBar>
#else
#include "OrdelWindow.h"
#endif

#include <QApplication>
#include <QTimer>

namespace {

// Quits once the first paint event has been delivered, after the rest of
// that paint has run.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
#ifdef ORDEL_BARE_WINDOW
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Arquivo"));
#else
    OrdelWindow window;
#endif
    window.show();
    return QApplication::exec();
}
