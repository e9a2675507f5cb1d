#pragma once

#include <QLabel>

namespace ordel::layout {
struct LabelLook;
enum class Anchor;
} // namespace ordel::layout

// A label that sizes itself to its caption, on one line, and keeps the point
// its text is aligned to where it was at creation: the left edge, the centre
// or the right edge.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const ordel::layout::LabelLook& look, const QString& caption,
                 QWidget* parent = nullptr);

    void setCaption(const QString& caption);

private:
    [[nodiscard]] QSize captionSize() const;
    void fit();

    ordel::layout::Anchor anchor_;
    int anchorX_ = 0; // in pixels of the client area
};
