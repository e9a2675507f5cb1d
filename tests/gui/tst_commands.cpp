// The window's own commands: exit, help and about.

#include "AboutText.h"
#include "GuiSupport.h"

#include <QLabel>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTextLayout>

using gui::find;
using gui::Fixture;
using gui::name;
using gui::SeenBox;

namespace {

// A help viewer that notes, in order, what is done to it.
class RecordingViewer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString HelpFile READ helpFile WRITE setHelpFile)
    Q_PROPERTY(int HelpCommand READ helpCommand WRITE setHelpCommand)

public:
    QString helpFile() const { return file_; }
    void setHelpFile(const QString& file) {
        file_ = file;
        steps << QStringLiteral("HelpFile=") + file;
    }
    int helpCommand() const { return command_; }
    void setHelpCommand(int command) {
        command_ = command;
        steps << QStringLiteral("HelpCommand=%1").arg(command);
    }
    Q_INVOKABLE void ShowHelp() { steps << QStringLiteral("ShowHelp"); }

    QStringList steps;

private:
    QString file_;
    int command_ = 0;
};

// Everything the window shows: its picture and the captions.
struct Snapshot {
    QImage image;
    QStringList captions;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Fixture& f) {
    Snapshot s{f.window->grab().toImage(), {}};
    for (const char* c : {"Legenda", "Numero1", "Símbolo", "Numero2", "Resultado", "RespU"})
        s.captions << f.caption(c);
    return s;
}

// A board in the middle of an exercise at level "Avançado".
void midExercise(const Fixture& f) {
    f.choose("MnuAvançado");
    f.click("Comando_Dezena", 2);
    f.click("Comando_Unidade", 5);
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void exitEndsTheRun_data();
    void exitEndsTheRun();
    void closingWithNoRunningLoopEndsNothing();
    void helpInThreeSteps();
    void helpViewerWithoutTheMembers();
    void defaultHelpViewer();
    void aboutBox();
};

void TestCommands::exitEndsTheRun_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("helpOpen");

    QTest::newRow("Sair") << true << false;
    QTest::newRow("window closed") << false << false;
    QTest::newRow("Sair, help window open") << true << true;
    QTest::newRow("window closed, help window open") << false << true;
}

void TestCommands::exitEndsTheRun() {
    QFETCH(bool, fromMenu);
    QFETCH(bool, helpOpen);

    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    midExercise(f);
    if (helpOpen) {
        f.choose("MnuTópicos");
        const auto others = [&f] {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                n += (w != f.window.get() && w->isVisible()) ? 1 : 0;
            return n;
        };
        QTRY_VERIFY(others() > 0);
    }

    QTimer::singleShot(0, f.window.get(), [&f, fromMenu] {
        if (fromMenu)
            f.choose("MnuFechar");
        else
            f.window->close();
    });
    // Should the run not end (or a question come up), this ends it instead.
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(10000);

    const int status = QApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(status, 0);
    QVERIFY(!f.window->isVisible());
}

void TestCommands::closingWithNoRunningLoopEndsNothing() {
    // A window closed while no event loop runs must leave later modal boxes
    // working: ending a loop that is not there would make the next one
    // return at once.
    {
        Fixture closed;
        closed.window->show();
        closed.choose("MnuFechar");
        QVERIFY(!closed.window->isVisible());
    }
    Fixture f;
    f.window->show();
    SeenBox box;
    gui::answerNextBox(box, f.window.get());
    f.choose("MnuSobre");
    QVERIFY(box.seen);
}

void TestCommands::helpInThreeSteps() {
    Fixture f;
    RecordingViewer viewer;
    f.window->setHelpViewer(&viewer);
    f.window->show();
    midExercise(f);
    const Snapshot before = snapshot(f);

    f.choose("MnuTópicos");
    const QStringList once{name("HelpFile=ORDEL.HLP"), name("HelpCommand=3"), name("ShowHelp")};
    QCOMPARE(viewer.steps, once);
    QVERIFY(snapshot(f) == before);

    f.choose("MnuTópicos");
    QCOMPARE(viewer.steps, once + once);
}

void TestCommands::helpViewerWithoutTheMembers() {
    Fixture f;
    QObject bare;
    f.window->setHelpViewer(&bare);
    f.window->show();
    midExercise(f);
    const Snapshot before = snapshot(f);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ShowHelp")));
    f.choose("MnuTópicos");
    QVERIFY(snapshot(f) == before);
}

void TestCommands::defaultHelpViewer() {
    Fixture f;
    const QObject* viewer = f.window->helpViewer();
    QVERIFY(viewer != nullptr);
    const QMetaObject* meta = viewer->metaObject();

    const QMetaProperty file = meta->property(meta->indexOfProperty("HelpFile"));
    QVERIFY(file.isValid() && file.isWritable());
    QCOMPARE(file.metaType(), QMetaType::fromType<QString>());
    const QMetaProperty command = meta->property(meta->indexOfProperty("HelpCommand"));
    QVERIFY(command.isValid() && command.isWritable());
    QCOMPARE(command.metaType(), QMetaType::fromType<int>());
    QVERIFY(meta->indexOfMethod("ShowHelp()") >= 0);
}

void TestCommands::aboutBox() {
    Fixture f;
    f.window->show();
    midExercise(f);
    const Snapshot before = snapshot(f);

    // The pieces stand on separate lines: laid out as the box's label lays it
    // out, at its width and in its font, no line holds words of two pieces.
    int lines = 0;
    QStringList mixed;
    const auto inspect = [&lines, &mixed](QMessageBox* box) {
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label == nullptr || !label->wordWrap())
            return;
        const QString text = label->text();
        // Which piece each character belongs to: words joined by single
        // blanks make a piece; the blanks of a run belong to none.
        static const QRegularExpression words(QStringLiteral("[^ ]+(?: [^ ]+)*"));
        QList<int> piece(text.size(), -1);
        int current = 0;
        for (auto it = words.globalMatch(text); it.hasNext(); ++current) {
            const auto m = it.next();
            for (qsizetype i = m.capturedStart(); i < m.capturedEnd(); ++i)
                piece[i] = current;
        }
        QTextLayout layout(text, label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            QSet<int> here;
            for (int i = line.textStart(); i < line.textStart() + line.textLength(); ++i) {
                if (text[i] != u' ')
                    here.insert(piece[i]);
            }
            if (here.size() > 1)
                mixed << text.mid(line.textStart(), line.textLength()).simplified();
            ++lines;
        }
        layout.endLayout();
    };

    SeenBox box;
    gui::answerNextBox(box, f.window.get(), inspect);
    f.choose("MnuSobre");
    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("Sobre o Ordel"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QVERIFY(box.okOnly);
    QCOMPARE(box.text,
             QString::fromUtf8(ordel::aboutText().data(), qsizetype(ordel::aboutText().size())));
    QVERIFY2(lines >= 4, "the box does not wrap the text");
    QVERIFY2(mixed.isEmpty(), qPrintable(mixed.join(QStringLiteral(" | "))));
    QVERIFY(snapshot(f) == before);

    // The same text every time.
    SeenBox again;
    gui::answerNextBox(again, f.window.get());
    f.choose("MnuSobre");
    QCOMPARE(again.text, box.text);
    QVERIFY(snapshot(f) == before);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
