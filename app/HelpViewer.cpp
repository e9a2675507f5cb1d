#include "HelpViewer.h"

#include "Words.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

using namespace ordel::words;

namespace {

QString text(std::string_view words) {
    return QString::fromUtf8(words);
}

// What was found at one place where the help file was looked for.
enum class Found { Usable, Missing, Folder, NotAFile, Unreadable, Empty };

struct Place {
    QString path;
    Found found;
};

struct HelpText {
    QString markdown;
    bool truncated = false;
};

Found load(const QString& path, HelpText& help) {
    help = {};
    const QFileInfo info(path);
    if (!info.exists())
        return Found::Missing;
    if (info.isDir())
        return Found::Folder;
    // Only regular files: a pipe or a device of that name could block the
    // read or never end.
    if (!info.isFile())
        return Found::NotAFile;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Found::Unreadable;
    QByteArray bytes = file.read(HelpViewer::kMaxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return Found::Unreadable;
    if (bytes.size() > HelpViewer::kMaxBytes) {
        bytes.truncate(HelpViewer::kMaxBytes);
        help.truncated = true;
    }
    qsizetype lineEnd = -1;
    for (qsizetype line = 0; line < HelpViewer::kMaxLines; ++line) {
        lineEnd = bytes.indexOf('\n', lineEnd + 1);
        if (lineEnd < 0)
            break;
    }
    if (lineEnd >= 0 && lineEnd + 1 < bytes.size()) {
        bytes.truncate(lineEnd + 1);
        help.truncated = true;
    }

    // Invalid UTF-8 becomes U+FFFD rather than an error, so that a damaged
    // file still shows whatever can be read of it.
    help.markdown = QString::fromUtf8(bytes);
    if (help.markdown.trimmed().isEmpty())
        return Found::Empty;
    return Found::Usable;
}

QString reason(Found found) {
    switch (found) {
    case Found::Missing:
        return text(kHelpMissing);
    case Found::Folder:
        return text(kHelpFolder);
    case Found::NotAFile:
        return text(kHelpNotAFile);
    case Found::Unreadable:
        return text(kHelpUnreadable);
    case Found::Empty:
        return text(kHelpEmpty);
    case Found::Usable:
        break;
    }
    return {};
}

// The page shown in place of the help when no place gave a usable file. It
// is HTML rather than Markdown so that a path is shown exactly as it is.
QString problemPage(const QString& fileName, const QList<Place>& places) {
    const QString file = QStringLiteral("<b>%1</b>").arg(fileName.toHtmlEscaped());
    const auto paragraph = [](std::string_view words) {
        return QStringLiteral("<p>%1</p>").arg(text(words));
    };
    QString page = QStringLiteral("<h1>%1</h1>").arg(text(kHelpNotFound));
    if (fileName.isEmpty())
        return page + paragraph(kHelpNoneNamed);
    page += paragraph(kHelpNotShown).arg(file);
    if (places.isEmpty()) {
        page += paragraph(kHelpNoFolder);
    } else {
        page += paragraph(kHelpLookedIn) + QStringLiteral("<ul>");
        for (const Place& place : places) {
            page +=
                QStringLiteral("<li><tt>%1</tt>: %2</li>")
                    .arg(QDir::toNativeSeparators(place.path).toHtmlEscaped(), reason(place.found));
        }
        page += QStringLiteral("</ul>");
    }
    return page + paragraph(kHelpAsk).arg(file);
}

} // namespace

HelpViewer::HelpViewer(QWidget* owner)
    : QObject(owner), owner_(owner), searchFolders_(defaultSearchFolders()) {}

HelpViewer::~HelpViewer() {
    delete window_;
}

QStringList HelpViewer::defaultSearchFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef ORDEL_DATA_DIR
    // The XDG data folders, the user's own first, then the machine's
    // (XDG_DATA_DIRS: /usr/local/share before /usr/share unless set), so that
    // a school can put its own help in /usr/local/share/ordel.
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : data)
        folders.append(QDir(folder).filePath(QStringLiteral("ordel")));
    // The folder the program was built for, when the XDG folders leave it out.
    const QString built = QString::fromUtf8(ORDEL_DATA_DIR);
    if (!built.isEmpty())
        folders.append(built);
#endif
    folders.removeDuplicates();
    return folders;
}

QWidget* HelpViewer::window() const {
    return window_;
}

void HelpViewer::ShowHelp() {
    if (helpCommand_ == kQuit) {
        if (window_)
            window_->close();
        return;
    }
    showContents();
}

void HelpViewer::ensureWindow() {
    if (window_)
        return;
    // A window of its own, yet a child of the owner: it is deleted with the
    // owner, and closing it never ends the program. A dialog, not modal: a
    // screen reader knows it as a window with a title (a plain widget would
    // be a nameless "filler" to it), and Escape closes it.
    auto* window = new QDialog(owner_);
    window->setObjectName(QStringLiteral("HelpWindow"));
    window->setWindowTitle(text(kHelpTitle));
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->resize(640, 560);

    // A read-only text view rather than a browser: the help has no links to
    // follow (a link in a damaged file must not load some other file), and
    // screen readers know a browser's text as one block, a label, which they
    // read whole. This one is a text with a caret that the arrow keys move a
    // line at a time, and screen readers say each line the caret reaches.
    text_ = new QTextEdit(window);
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* close = new QPushButton(text(kHelpClose), window);
    close->setObjectName(QStringLiteral("HelpClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, window, &QWidget::close);

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text_);
    layout->addWidget(close, 0, Qt::AlignRight);

    if (owner_)
        owner_->installEventFilter(this);
    window_ = window;
}

void HelpViewer::showContents() {
    ensureWindow();

    QList<Place> places;
    HelpText help;
    bool shown = false;
    if (!helpFile_.isEmpty()) {
        for (const QString& folder : searchFolders_) {
            const QString path = QDir::cleanPath(QDir(folder).filePath(helpFile_));
            if (std::any_of(places.cbegin(), places.cend(),
                            [&path](const Place& p) { return p.path == path; }))
                continue;
            const Found found = load(path, help);
            places.append({path, found});
            if (found == Found::Usable) {
                shown = true;
                break;
            }
        }
    }

    if (shown) {
        text_->setMarkdown(help.markdown);
        if (help.truncated) {
            QTextCursor end(text_->document());
            end.movePosition(QTextCursor::End);
            QTextCharFormat note;
            note.setFontItalic(true);
            end.insertBlock(QTextBlockFormat(), note);
            end.insertText(text(kHelpTooLarge), note);
        }
    } else {
        text_->setHtml(problemPage(helpFile_, places));
    }

    // Setting the text anew also brings the view and the caret back to the
    // top, which is what the contents command asks for; the caret is where
    // the keys go, so a screen reader says the title and the first line.
    text_->moveCursor(QTextCursor::Start);
    text_->setFocus();
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    // The owner hidden by the program (closed, not minimised by the window
    // manager): the help goes with it.
    if (watched == owner_ && event->type() == QEvent::Hide && !event->spontaneous() && window_)
        window_->close();
    return QObject::eventFilter(watched, event);
}
