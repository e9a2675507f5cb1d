#pragma once

#include "exercises/MessageBox.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// The program's message boxes as Qt message boxes: modal over the window, the
// OK button alone, no icon or the information icon, the title given. A short
// message is also in the box's accessible name, which braille shows.
class QtMessageBox : public ordel::MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtMessageBox() override;
    QtMessageBox(const QtMessageBox&) = delete;
    QtMessageBox& operator=(const QtMessageBox&) = delete;

    void show(std::string_view text, std::string_view title, ordel::MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
    // One box, built on first use and kept, hidden, between uses: a screen
    // reader still asking about the box after it closed finds it there
    // (Qt 6.8's bridge prints a warning for each question about a box gone).
    QPointer<QMessageBox> box_;
};
