#include "app/AboutText.h"
#include "app/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextList>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString kFile = QStringLiteral("ORDEL.HLP");

const QByteArray kHelp = "# Ajuda do Ordel\n"
                         "\n"
                         "Texto de abertura.\n"
                         "\n"
                         "## Os níveis\n"
                         "\n"
                         "- Iniciante\n"
                         "- Avançado\n";

// What to leave at one searched place before the viewer looks there.
enum class Setup { Nothing, Help, Other, Empty, Blank, HugeBlank, Folder, Pipe, Unreadable };

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

void prepare(const QString& folder, Setup setup) {
    const QString path = QDir(folder).filePath(kFile);
    switch (setup) {
    case Setup::Nothing:
        break;
    case Setup::Help:
        writeFile(path, kHelp);
        break;
    case Setup::Other:
        writeFile(path, "# Outra ajuda\n");
        break;
    case Setup::Empty:
        writeFile(path, {});
        break;
    case Setup::Blank:
        writeFile(path, " \n\t\r\n\n");
        break;
    case Setup::HugeBlank:
        writeFile(path, QByteArray(2 * HelpViewer::kMaxBytes, ' '));
        break;
    case Setup::Folder:
        QVERIFY(QDir(folder).mkdir(kFile));
        break;
    case Setup::Pipe:
#ifdef Q_OS_UNIX
        // Opening a pipe with no writer would wait for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
        break;
    case Setup::Unreadable:
        writeFile(path, kHelp);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        break;
    }
}

QStringList headings(const QTextDocument* document) {
    QStringList found;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() > 0)
            found << b.text();
    }
    return found;
}

QStringList listItems(const QTextDocument* document) {
    QStringList found;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        if (b.textList() != nullptr)
            found << b.text();
    }
    return found;
}

// The blank runs and pieces of the about text, in order: where each starts,
// how long it is, and for a piece a pattern that it must match.
struct Run {
    qsizetype start;
    qsizetype length;
    QString pattern; // empty for a run of blanks
};

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheFirstUsableFile_data();
    void showsTheFirstUsableFile();
    void explainsWhyNothingIsShown_data();
    void explainsWhyNothingIsShown();
    void readsDamagedFilesLeniently_data();
    void readsDamagedFilesLeniently();
    void cutsHugeFiles_data();
    void cutsHugeFiles();
    void reusesOneWindow();
    void quitCommandClosesTheWindow();
    void isDrivenByMemberName();
    void looksBesideTheProgramByDefault();
    void leavesTheOwnerAlone();
    void goesWithItsOwner();
    void neverKeepsTheProgramRunning_data();
    void neverKeepsTheProgramRunning();

    void aboutTextIsOneLineOf741Characters();
    void aboutTextLayout_data();
    void aboutTextLayout();

private:
    HelpViewer* makeViewer(const QStringList& folders);
    QTextBrowser* shownText() const;

    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<QTemporaryDir> beside_;
    std::unique_ptr<QTemporaryDir> data_;
};

void HelpViewerTest::init() {
    owner_ = std::make_unique<QWidget>();
    owner_->setWindowTitle(QStringLiteral("Ordel"));
    beside_ = std::make_unique<QTemporaryDir>();
    data_ = std::make_unique<QTemporaryDir>();
    QVERIFY(beside_->isValid());
    QVERIFY(data_->isValid());
}

void HelpViewerTest::cleanup() {
    owner_.reset(); // takes the viewer and its window with it
    beside_.reset();
    data_.reset();
}

HelpViewer* HelpViewerTest::makeViewer(const QStringList& folders) {
    auto* viewer = new HelpViewer(owner_.get());
    viewer->setSearchFolders(folders);
    viewer->setHelpFile(kFile);
    viewer->setHelpCommand(HelpViewer::kContents);
    return viewer;
}

// The text widget of the owner's help window, found by name as the window's
// own tests would; null unless that window is shown.
QTextBrowser* HelpViewerTest::shownText() const {
    auto* window = owner_->findChild<QWidget*>(QStringLiteral("HelpWindow"));
    if (window == nullptr || !window->isVisible() || !window->isWindow())
        return nullptr;
    return window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
}

void HelpViewerTest::showsTheFirstUsableFile_data() {
    QTest::addColumn<Setup>("beside");
    QTest::addColumn<Setup>("data");
    QTest::addColumn<QString>("heading");

    QTest::newRow("beside the program") << Setup::Help << Setup::Nothing << "Ajuda do Ordel";
    QTest::newRow("in the data folder") << Setup::Nothing << Setup::Help << "Ajuda do Ordel";
    QTest::newRow("beside the program wins") << Setup::Other << Setup::Help << "Outra ajuda";
    QTest::newRow("empty file beside, good one in data")
        << Setup::Empty << Setup::Help << "Ajuda do Ordel";
    QTest::newRow("folder beside, good one in data")
        << Setup::Folder << Setup::Help << "Ajuda do Ordel";
    QTest::newRow("huge blank file beside, good one in data")
        << Setup::HugeBlank << Setup::Help << "Ajuda do Ordel";
}

void HelpViewerTest::showsTheFirstUsableFile() {
    QFETCH(Setup, beside);
    QFETCH(Setup, data);
    QFETCH(QString, heading);
    prepare(beside_->path(), beside);
    prepare(data_->path(), data);

    makeViewer({beside_->path(), data_->path()})->ShowHelp();

    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    const QStringList shownHeadings = headings(text->document());
    QVERIFY(!shownHeadings.isEmpty());
    QCOMPARE(shownHeadings.first(), heading);
    if (heading == QStringLiteral("Ajuda do Ordel")) {
        QCOMPARE(shownHeadings, QStringList({"Ajuda do Ordel", "Os níveis"}));
        QCOMPARE(listItems(text->document()), QStringList({"Iniciante", "Avançado"}));
    }
    QVERIFY(!text->toPlainText().contains(QStringLiteral("não encontrada")));
    QVERIFY(!text->toPlainText().contains(QStringLiteral("grande demais")));
}

void HelpViewerTest::explainsWhyNothingIsShown_data() {
    QTest::addColumn<Setup>("beside");
    QTest::addColumn<Setup>("data");
    QTest::addColumn<QString>("besideReason");
    QTest::addColumn<QString>("dataReason");

    const QString missing = QStringLiteral("não existe");
    const QString empty = QStringLiteral("está vazio");
    const QString folder = QStringLiteral("uma pasta");
    QTest::newRow("missing everywhere") << Setup::Nothing << Setup::Nothing << missing << missing;
    QTest::newRow("empty file") << Setup::Empty << Setup::Nothing << empty << missing;
    QTest::newRow("only blanks") << Setup::Blank << Setup::Nothing << empty << missing;
    QTest::newRow("folder of that name") << Setup::Nothing << Setup::Folder << missing << folder;
    QTest::newRow("empty and folder") << Setup::Empty << Setup::Folder << empty << folder;
#ifdef Q_OS_UNIX
    QTest::newRow("pipe of that name")
        << Setup::Pipe << Setup::Nothing << QStringLiteral("não é um arquivo comum") << missing;
#endif
    QTest::newRow("unreadable") << Setup::Unreadable << Setup::Nothing
                                << QStringLiteral("não pôde ser lido") << missing;
}

void HelpViewerTest::explainsWhyNothingIsShown() {
    QFETCH(Setup, beside);
    QFETCH(Setup, data);
    QFETCH(QString, besideReason);
    QFETCH(QString, dataReason);
    prepare(beside_->path(), beside);
    prepare(data_->path(), data);
    if (beside == Setup::Unreadable) {
        QFile probe(QDir(beside_->path()).filePath(kFile));
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions");
    }

    makeViewer({beside_->path(), data_->path()})->ShowHelp();

    // The message stands in the help window itself: no modal box waits for
    // the pupil, and the main window goes on as before.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    QCOMPARE(text->window()->windowModality(), Qt::NonModal);

    const QString shown = text->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Ajuda não encontrada")), qPrintable(shown));
    QVERIFY(shown.contains(kFile));
    // Each place looked in is named, with what was found there, one per line.
    const QStringList lines = shown.split(QChar(u'\n'));
    const auto lineFor = [&lines](const QString& folder) {
        const QString path = QDir::toNativeSeparators(QDir(folder).filePath(kFile));
        for (const QString& line : lines) {
            if (line.contains(path))
                return line;
        }
        return QString();
    };
    const QString besideLine = lineFor(beside_->path());
    const QString dataLine = lineFor(data_->path());
    QVERIFY2(besideLine.contains(besideReason), qPrintable(shown));
    QVERIFY2(dataLine.contains(dataReason), qPrintable(shown));
}

void HelpViewerTest::readsDamagedFilesLeniently_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("after");

    QTest::newRow("invalid UTF-8") << QByteArray("# T\xc3\xadtulo\n\nantes \xff\xfe\xc3( depois\n")
                                   << QString::fromUtf8("Título") << "depois";
    QTest::newRow("NUL and control bytes")
        << QByteArray("# Bin\xc3\xa1rio\n\nantes ", 16) + QByteArray("\0\1\2\x1b\x7f\0", 6) +
               QByteArray(" depois\n")
        << QString::fromUtf8("Binário") << "depois";
    QTest::newRow("byte-order mark")
        << QByteArray("\xef\xbb\xbf# Com marca\n\ndepois\n") << "Com marca"
        << "depois";
    QTest::newRow("Windows line ends")
        << QByteArray("# Linhas\r\n\r\n- um\r\n- dois\r\n") << "Linhas"
        << "dois";
}

void HelpViewerTest::readsDamagedFilesLeniently() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, heading);
    QFETCH(QString, after);
    writeFile(QDir(beside_->path()).filePath(kFile), bytes);

    makeViewer({beside_->path()})->ShowHelp();

    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    QCOMPARE(headings(text->document()), QStringList{heading});
    // What follows the damage is still shown.
    QVERIFY2(text->toPlainText().contains(after), qPrintable(text->toPlainText()));
}

void HelpViewerTest::cutsHugeFiles_data() {
    QTest::addColumn<QByteArray>("bytes");

    // Each is far past one of the two limits and within the other; read whole,
    // it would show its last word.
    QTest::newRow("one endless line")
        << QByteArray("# Enorme\n\n") + QByteArray(8 * HelpViewer::kMaxBytes, 'a') + "FIM";
    QTest::newRow("endless list") << QByteArray("# Enorme\n\n") +
                                         QByteArray("-\n").repeated(10 * HelpViewer::kMaxLines) +
                                         "FIM";
}

void HelpViewerTest::cutsHugeFiles() {
    QFETCH(QByteArray, bytes);
    writeFile(QDir(beside_->path()).filePath(kFile), bytes);

    makeViewer({beside_->path()})->ShowHelp();

    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    const QString shown = text->toPlainText();
    QCOMPARE(headings(text->document()), QStringList{"Enorme"});
    QVERIFY(!shown.contains(QStringLiteral("FIM")));
    QVERIFY(shown.size() <= HelpViewer::kMaxBytes + 200);
    QVERIFY(text->document()->blockCount() <= HelpViewer::kMaxLines + 10);
    QVERIFY(shown.contains(QStringLiteral("grande demais")));
}

void HelpViewerTest::reusesOneWindow() {
    const QString path = QDir(beside_->path()).filePath(kFile);
    writeFile(path, "# Primeira\n\n" + QByteArray(400, '\n') + "fim\n");
    HelpViewer* viewer = makeViewer({beside_->path()});
    viewer->ShowHelp();
    QTextBrowser* first = shownText();
    QVERIFY(first != nullptr);
    QWidget* window = first->window();

    // Scrolled down and closed by the pupil, then asked for again: the same
    // window comes back, from the top, with the file read anew.
    first->verticalScrollBar()->setValue(first->verticalScrollBar()->maximum());
    window->close();
    QVERIFY(!window->isVisible());
    writeFile(path, "# Segunda\n\n" + QByteArray(400, '\n') + "fim\n");
    viewer->ShowHelp();

    QCOMPARE(shownText(), first);
    QCOMPARE(owner_->findChildren<QWidget*>(QStringLiteral("HelpWindow")).size(), 1);
    QCOMPARE(headings(first->document()), QStringList{"Segunda"});
    QCOMPARE(first->verticalScrollBar()->value(), 0);
    QCOMPARE(first->textCursor().position(), 0);
}

void HelpViewerTest::quitCommandClosesTheWindow() {
    prepare(beside_->path(), Setup::Help);
    HelpViewer* viewer = makeViewer({beside_->path()});
    viewer->ShowHelp();
    QVERIFY(shownText() != nullptr);

    viewer->setHelpCommand(HelpViewer::kQuit);
    viewer->ShowHelp();
    QCOMPARE(shownText(), nullptr);
}

void HelpViewerTest::isDrivenByMemberName() {
    prepare(data_->path(), Setup::Help);
    auto* viewer = new HelpViewer(owner_.get());
    viewer->setSearchFolders({beside_->path(), data_->path()});
    QObject* object = viewer;

    QVERIFY(object->setProperty("HelpFile", kFile));
    QVERIFY(object->setProperty("HelpCommand", 3));
    QCOMPARE(object->property("HelpFile").toString(), kFile);
    QCOMPARE(object->property("HelpCommand").toInt(), 3);
    QVERIFY(QMetaObject::invokeMethod(object, "ShowHelp"));

    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    QCOMPARE(headings(text->document()).value(0), QStringLiteral("Ajuda do Ordel"));
}

void HelpViewerTest::looksBesideTheProgramByDefault() {
    auto* viewer = new HelpViewer(owner_.get());
    const QString besideProgram = QCoreApplication::applicationDirPath();
    QCOMPARE(viewer->searchFolders().value(0), besideProgram);

    const QString absent = QStringLiteral("AUSENTE-%1.HLP").arg(QCoreApplication::applicationPid());
    viewer->setHelpFile(absent);
    viewer->ShowHelp();
    QTextBrowser* text = shownText();
    QVERIFY(text != nullptr);
    for (const QString& folder : viewer->searchFolders()) {
        const QString path = QDir::toNativeSeparators(QDir(folder).filePath(absent));
        QVERIFY2(text->toPlainText().contains(path), qPrintable(path));
    }
}

void HelpViewerTest::leavesTheOwnerAlone() {
    auto* label = new QLabel(QStringLiteral("7"), owner_.get());
    owner_->resize(770, 425);
    owner_->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner_.get()));
    const QRect geometry = owner_->geometry();

    HelpViewer* viewer = makeViewer({beside_->path()});
    viewer->ShowHelp(); // the file is missing
    prepare(beside_->path(), Setup::Help);
    viewer->ShowHelp();
    QVERIFY(shownText() != nullptr);

    QCOMPARE(owner_->windowTitle(), QStringLiteral("Ordel"));
    QCOMPARE(owner_->geometry(), geometry);
    QVERIFY(owner_->isVisible());
    QVERIFY(owner_->isEnabled());
    QCOMPARE(label->text(), QStringLiteral("7"));
    QVERIFY(label->isVisible());
    QVERIFY(shownText()->window() != owner_.get());
}

void HelpViewerTest::goesWithItsOwner() {
    prepare(beside_->path(), Setup::Help);
    owner_->show();
    HelpViewer* viewer = makeViewer({beside_->path()});
    viewer->ShowHelp();
    QPointer<QWidget> window = viewer->window();
    QVERIFY(window && window->isVisible());

    owner_->close();
    QVERIFY(!window->isVisible());

    QPointer<HelpViewer> alive = viewer;
    owner_.reset();
    QVERIFY(window.isNull());
    QVERIFY(alive.isNull());
    owner_ = std::make_unique<QWidget>();
}

void HelpViewerTest::neverKeepsTheProgramRunning_data() {
    QTest::addColumn<bool>("owned");
    QTest::newRow("owned by the main window") << true;
    QTest::newRow("without an owner") << false;
}

void HelpViewerTest::neverKeepsTheProgramRunning() {
    QFETCH(bool, owned);
    prepare(beside_->path(), Setup::Help);
    QWidget* main = owner_.get();
    std::unique_ptr<HelpViewer> unowned;
    HelpViewer* viewer = nullptr;
    if (owned) {
        viewer = makeViewer({beside_->path()});
    } else {
        unowned = std::make_unique<HelpViewer>();
        viewer = unowned.get();
        viewer->setSearchFolders({beside_->path()});
        viewer->setHelpFile(kFile);
    }
    main->show();
    viewer->ShowHelp();
    QVERIFY(viewer->window()->isVisible());

    // Closing the main window must end the run with the help still open. If
    // the help window kept it going, the watchdog would end it with code 1.
    QTimer::singleShot(0, main, &QWidget::close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

void HelpViewerTest::aboutTextIsOneLineOf741Characters() {
    const std::string_view bytes = ordel::aboutText();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QCOMPARE(text.toUtf8(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QCOMPARE(text.toUcs4().size(), 741);
    static const QRegularExpression lineBreak(
        QStringLiteral("[\\n\\r\\v\\f\\x{85}\\x{2028}\\x{2029}]"));
    QVERIFY(!text.contains(lineBreak));
}

void HelpViewerTest::aboutTextLayout_data() {
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("blanks before the purpose") << qsizetype(0) << qsizetype(5) << QString();
    QTest::newRow("purpose") << qsizetype(5) << qsizetype(103) << "^O Ordel .*\\.$";
    QTest::newRow("blanks before the thanks") << qsizetype(108) << qsizetype(121) << QString();
    QTest::newRow("thanks") << qsizetype(229) << qsizetype(146)
                            << "^Agradecemos .*orientador acadêmico.*departamento de matemática.*$";
    QTest::newRow("blanks before the author") << qsizetype(375) << qsizetype(166) << QString();
    QTest::newRow("author") << qsizetype(541) << qsizetype(16) << "^Equipe .*Ordel";
    QTest::newRow("blanks before the e-mail") << qsizetype(557) << qsizetype(152) << QString();
    QTest::newRow("e-mail") << qsizetype(709) << qsizetype(32) << "^E-mail: [a-z.]+@example\\.org$";
}

void HelpViewerTest::aboutTextLayout() {
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    QFETCH(QString, pattern);
    const std::string_view bytes = ordel::aboutText();
    // Code points, so that an accented letter counts as one character.
    const QList<uint> all =
        QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUcs4();
    QVERIFY(start + length <= all.size());
    const QList<uint> slice = all.mid(start, length);
    const QString run =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(slice.constData()), slice.size());

    if (pattern.isEmpty()) {
        QCOMPARE(run, QString(length, QChar(u' ')));
        return;
    }
    // A piece starts and ends with a letter or a stop, so the runs of blanks
    // have exactly their lengths; inside it words are one blank apart, so the
    // box breaks lines only between pieces.
    QVERIFY2(QRegularExpression(pattern).match(run).hasMatch(), qPrintable(run));
    QVERIFY2(!run.front().isSpace() && !run.back().isSpace(), qPrintable(run));
    QVERIFY2(!run.contains(QStringLiteral("  ")), qPrintable(run));
}

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
