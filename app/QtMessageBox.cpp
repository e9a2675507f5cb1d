#include "QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::show(std::string_view text, std::string_view title, ordel::MessageIcon icon) {
    QMessageBox box(parent_);
    box.setObjectName(QStringLiteral("OrdelMessageBox"));
    box.setWindowTitle(QString::fromUtf8(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text));
    box.setIcon(icon == ordel::MessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}
