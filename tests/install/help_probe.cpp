// Loaded with LD_PRELOAD into the installed program, which reads no command
// line: once the program's event loop runs, this does what a pupil does to
// get help, choosing "Tópicos da ajuda" on the window's own menu, and reads
// what the help window shows. The program is left as it was built; it looks
// for its help where it always does.
//
// The program then ends with 0 when the help window shows the text of the
// file named by ORDEL_PROBE_EXPECT, and with 1 otherwise, saying why.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void finish(int code, const QString& message) {
    std::fprintf(code == 0 ? stdout : stderr, "help probe: %s\n", qUtf8Printable(message));
    std::fflush(nullptr);
    QCoreApplication::exit(code);
}

QWidget* topLevel(const QString& name) {
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

void chooseHelp() {
    QWidget* main = topLevel(QStringLiteral("Ordel"));
    if (main == nullptr || !main->isVisible())
        return finish(1, QStringLiteral("the main window \"Ordel\" is not shown"));
    auto* topics = main->findChild<QAction*>(QStringLiteral("MnuTópicos"));
    if (topics == nullptr || !topics->isEnabled())
        return finish(1, QStringLiteral("no usable menu item \"Tópicos da ajuda\""));
    topics->trigger();

    QWidget* help = topLevel(QStringLiteral("HelpWindow"));
    auto* text = help ? help->findChild<QTextBrowser*>(QStringLiteral("HelpText")) : nullptr;
    if (text == nullptr || !help->isVisible())
        return finish(1, QStringLiteral("no help window after \"Tópicos da ajuda\""));

    const QString expectPath = qEnvironmentVariable("ORDEL_PROBE_EXPECT");
    QFile expectFile(expectPath);
    if (!expectFile.open(QIODevice::ReadOnly))
        return finish(1, QStringLiteral("cannot read ORDEL_PROBE_EXPECT=%1").arg(expectPath));
    QTextDocument expected;
    expected.setMarkdown(QString::fromUtf8(expectFile.readAll()));

    const QString shown = text->toPlainText();
    if (shown != expected.toPlainText())
        return finish(1, QStringLiteral("the help window shows something else:\n") + shown);
    finish(0, QStringLiteral("the help window shows %1").arg(expectPath));
}

void start() {
    QTimer::singleShot(0, qApp, chooseHelp);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
