#include "CaptionLabel.h"

#include "WindowLayout.h"

using ordel::layout::Anchor;

CaptionLabel::CaptionLabel(const ordel::layout::LabelLook& look, const QString& caption,
                           QWidget* parent)
    : QLabel(caption, parent), anchor_(look.anchor) {
    setObjectName(QString::fromUtf8(look.name.data(), qsizetype(look.name.size())));
    setFont(ordel::layout::windowFont(ordel::layout::kLabelPoints));
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    switch (anchor_) {
    case Anchor::Left:
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Anchor::Centre:
        setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case Anchor::Right:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    // An opaque label in the colour of button faces, as the window itself.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(look.text);

    const int left = ordel::layout::px(look.left);
    const int width = captionSize().width();
    switch (anchor_) {
    case Anchor::Left:
        anchorX_ = left;
        break;
    case Anchor::Centre:
        anchorX_ = left + width / 2;
        break;
    case Anchor::Right:
        anchorX_ = left + width;
        break;
    }
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
    int left = anchorX_;
    if (anchor_ == Anchor::Centre)
        left = anchorX_ - size.width() / 2;
    else if (anchor_ == Anchor::Right)
        left = anchorX_ - size.width();
    setGeometry(left, y(), size.width(), size.height());
}
