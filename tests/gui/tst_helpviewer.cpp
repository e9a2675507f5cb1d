// The help viewer, driven by member name as the window drives it: the file
// shown with its headings, a clear message when there is none to show, and
// one window for every call.

#include "HelpViewer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// A viewer that looks for ORDEL.HLP in a fresh folder alone.
struct Help {
    QTemporaryDir folder;
    QWidget owner;
    HelpViewer* viewer = new HelpViewer(&owner);
    QString path = folder.filePath(QStringLiteral("ORDEL.HLP"));

    bool write(const QByteArray& bytes) const {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    bool show() const {
        viewer->setSearchFolders({folder.path()});
        return viewer->setProperty("HelpFile", QStringLiteral("ORDEL.HLP")) &&
               viewer->setProperty("HelpCommand", 3) &&
               QMetaObject::invokeMethod(viewer, "ShowHelp");
    }
    [[nodiscard]] const QTextDocument* shown() const {
        return viewer->window()->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->document();
    }
};

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void shows_data();
    void shows();
    void reusesItsWindow();
};

void TestHelpViewer::shows_data() {
    QTest::addColumn<QString>("place"); // what stands at the help file's place
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("text"); // shown too; %1 for the file's path

    const QString lost = QStringLiteral("Ajuda não encontrada");
    QTest::newRow("found") << "file" << QByteArray("# Ordel\n\n- Avançado\n") << "Ordel"
                           << "Avançado";
    QTest::newRow("missing") << "nothing" << QByteArray() << lost << "%1: o arquivo não existe";
    QTest::newRow("folder") << "folder" << QByteArray() << lost << "%1: há uma pasta";
    QTest::newRow("empty") << "file" << QByteArray() << lost << "%1: o arquivo está vazio";
    QTest::newRow("invalid UTF-8")
        << "file" << QByteArray("# T\xc3\xadtulo\n\nantes \xff\xc3( depois\n") << "Título"
        << "depois";
    QTest::newRow("binary") << "file"
                            << QByteArray("# Dados\n\n\x00\x01\x7f\xfe\xff\x1b[0m fim\n", 23)
                            << "Dados"
                            << "fim";
    // Only the beginning is read, with a note that there is more.
    QTest::newRow("50 MB")
        << "file"
        << QByteArray("# Grande\n\n").append(QByteArray("uma linha de ajuda\n").repeated(2'800'000))
        << "Grande"
        << "grande demais";
}

void TestHelpViewer::shows() {
    QFETCH(QString, place);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, heading);
    QFETCH(QString, text);

    Help help;
    QVERIFY(place != QLatin1String("folder") || QDir().mkdir(help.path));
    QVERIFY(place != QLatin1String("file") || help.write(bytes));
    QVERIFY(help.show());
    // In a window of its own, not modal: the exercise goes on untouched.
    const QWidget* window = help.viewer->window();
    QVERIFY(window != nullptr && window->isVisible() && window->isWindow());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    const QString markdown = help.shown()->toMarkdown(); // a heading reads "# ..."
    QVERIFY2(markdown.startsWith(QStringLiteral("# ") + heading + u'\n'), qPrintable(markdown));
    // A message names where the file was looked for, and what stood there.
    text.replace(QStringLiteral("%1"), QDir::toNativeSeparators(help.path));
    QVERIFY2(help.shown()->toPlainText().contains(text), qPrintable(help.shown()->toPlainText()));
}

void TestHelpViewer::reusesItsWindow() {
    Help help;
    QVERIFY(help.write("# Primeira\n") && help.show());
    QWidget* first = help.viewer->window();
    // Closed by the pupil and asked for again: the same window comes back,
    // with the file read anew.
    first->close();
    QVERIFY(help.write("# Segunda\n") && help.show());
    QCOMPARE(help.viewer->window(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(help.owner.findChildren<QWidget*>(QStringLiteral("HelpWindow")).size(), 1);
    QVERIFY(help.shown()->toMarkdown().startsWith(QStringLiteral("# Segunda\n")));
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
