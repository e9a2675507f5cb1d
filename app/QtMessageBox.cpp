#include "QtMessageBox.h"

#include "Accessibility.h"

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
    }
    QMessageBox& box = *box_;
    box.setWindowTitle(QString::fromUtf8(title));
    box.setText(QString::fromUtf8(text));
    box.setAccessibleName(accessibility::messageBoxName(box.windowTitle(), box.text()));
    box.setIcon(icon == ordel::MessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::NoIcon);
    box.exec();
}
