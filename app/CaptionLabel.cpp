#include "CaptionLabel.h"

#include "Appearance.h"
#include "WindowLayout.h"

using ordel::layout::Anchor;

namespace {

// How far the anchor stands from the left edge of a caption this wide.
int anchorOffset(Anchor anchor, int width) {
    switch (anchor) {
    case Anchor::Left:
        break;
    case Anchor::Centre:
        return width / 2;
    case Anchor::Right:
        return width;
    }
    return 0;
}

Qt::Alignment alignmentFor(Anchor anchor) {
    switch (anchor) {
    case Anchor::Left:
        break;
    case Anchor::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Anchor::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

CaptionLabel::CaptionLabel(const ordel::layout::LabelLook& look, const QString& caption,
                           QWidget* parent)
    : QLabel(caption, parent), anchor_(look.anchor) {
    setObjectName(QString::fromUtf8(look.name));
    setFont(windowFont(ordel::layout::kLabelPoints));
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(alignmentFor(anchor_));
    // An opaque label in the colour of button faces, as the window itself.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(look.text);

    const int left = ordel::layout::px(look.left);
    anchorX_ = left + anchorOffset(anchor_, captionSize().width());
    move(left, ordel::layout::px(look.top));
    fit();
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    fit();
}

QSize CaptionLabel::captionSize() const {
    // An empty caption takes no width.
    const QSize hint = sizeHint();
    return {text().isEmpty() ? 0 : hint.width(), fontMetrics().height()};
}

void CaptionLabel::fit() {
    const QSize size = captionSize();
    setGeometry(anchorX_ - anchorOffset(anchor_, size.width()), y(), size.width(), size.height());
}
