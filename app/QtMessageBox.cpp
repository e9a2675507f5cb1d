#include "QtMessageBox.h"

#include "Accessibility.h"

#include <QLabel>
#include <QMessageBox>

QtMessageBox::~QtMessageBox() {
    delete box_;
}

void QtMessageBox::show(std::string_view text, std::string_view title, ordel::MessageIcon icon) {
    if (box_ == nullptr) {
        box_ = new QMessageBox(parent_);
        box_->setObjectName(QStringLiteral("OrdelMessageBox"));
        box_->setTextFormat(Qt::PlainText);
        box_->setStandardButtons(QMessageBox::Ok);
        box_->setDefaultButton(QMessageBox::Ok);
        box_->setEscapeButton(QMessageBox::Ok);
        // A text that can be selected is laid out by a text control, which
        // tells screen readers of text changes on a label that has no text
        // interface to offer them (Qt 6.8 prints a warning for each). The
        // pupil has nothing to select here.
        box_->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    QMessageBox& box = *box_;
    box.setWindowTitle(QString::fromUtf8(title));
    box.setText(QString::fromUtf8(text));
    box.setAccessibleName(accessibility::messageBoxName(box.windowTitle(), box.text()));
    // The about text lays out its lines with runs of blanks, which braille and
    // flat review would show as such: a screen reader reads it with each run
    // as one space.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(box.text().simplified());
    box.setIcon(icon == ordel::MessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::NoIcon);
    box.exec();
}
