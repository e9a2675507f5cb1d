#pragma once

#include "exercises/MessageBox.h"

#include <QPointer>
#include <QWidget>

// The program's message boxes as Qt message boxes: modal over the window, the
// OK button alone, no icon or the information icon, the title given.
class QtMessageBox : public ordel::MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}

    void show(std::string_view text, std::string_view title, ordel::MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};
