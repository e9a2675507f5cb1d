#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QTextEdit;
class QWidget;

// The help viewer that the window drives by member name: it sets HelpFile and
// HelpCommand, then invokes ShowHelp. The file is looked for in a list of
// folders and shown, as Markdown, in a window of the viewer's own. That window
// is not modal, belongs to the owner (it goes when the owner goes and never
// keeps the program running) and is reused by every later call.
class HelpViewer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString HelpFile READ helpFile WRITE setHelpFile)
    Q_PROPERTY(int HelpCommand READ helpCommand WRITE setHelpCommand)

public:
    // Values of HelpCommand that the viewer knows; any other value shows the
    // file from the top, as kContents does.
    static constexpr int kQuit = 2;     // close the help window
    static constexpr int kContents = 3; // show the file from the top

    // At most this much of a help file is shown, so that a huge file cannot
    // stall the program: laying out Markdown takes time that grows faster
    // than the file, with the number of lines as much as with its size. The
    // help that ships is a few kilobytes and under two hundred lines.
    static constexpr qint64 kMaxBytes = 32 * 1024;
    static constexpr qsizetype kMaxLines = 1000;

    explicit HelpViewer(QWidget* owner = nullptr);
    ~HelpViewer() override;

    QString helpFile() const { return helpFile_; }
    void setHelpFile(const QString& name) { helpFile_ = name; }
    int helpCommand() const { return helpCommand_; }
    void setHelpCommand(int command) { helpCommand_ = command; }

    Q_INVOKABLE void ShowHelp();

    // The folders searched for the help file, in order: the program's own
    // folder, then, where the build names an installed data folder (Linux),
    // "ordel" in each XDG data folder and that folder; each folder once.
    static QStringList defaultSearchFolders();
    QStringList searchFolders() const { return searchFolders_; }
    void setSearchFolders(const QStringList& folders) { searchFolders_ = folders; }

    // The help window, or null before the first ShowHelp.
    QWidget* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureWindow();
    void showContents();

    QPointer<QWidget> owner_;
    QPointer<QWidget> window_;
    QTextEdit* text_ = nullptr;
    QString helpFile_;
    int helpCommand_ = kContents;
    QStringList searchFolders_;
};
