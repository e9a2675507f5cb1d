#include "CaptionLabel.h"

#include "Spoken.h"
#include "WindowLayout.h"

#include <QAccessible>
#include <QAccessibleWidget>

using ordel::layout::Anchor;

namespace {

// What a screen reader learns of a label kept from it: no text at all, and
// that it cannot be seen.
class KeptLabel : public QAccessibleWidget {
public:
    explicit KeptLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    [[nodiscard]] QString text(QAccessible::Text /*t*/) const override { return {}; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* keptLabels(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<CaptionLabel*>(object);
    if (label == nullptr || !label->keptFromReaders())
        return nullptr;
    return new KeptLabel(label);
}

} // namespace

CaptionLabel::CaptionLabel(const ordel::layout::LabelLook& look, const QString& caption,
                           QWidget* parent)
    : QLabel(caption, parent), anchor_(look.anchor), keptFromReaders_(look.description.empty()) {
    setObjectName(QString::fromUtf8(look.name.data(), qsizetype(look.name.size())));
    if (keptFromReaders_) {
        // Before anything asks for this label's interface, which Qt keeps.
        static const bool installed = (QAccessible::installFactory(keptLabels), true);
        Q_UNUSED(installed);
    }
    setAccessibleDescription(
        QString::fromUtf8(look.description.data(), qsizetype(look.description.size())));
    setAccessibleName(spoken::signWord(caption));
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
    // The name first: Qt tells screen readers of the new text only while the
    // label has no name of its own.
    const QString spoken = spoken::signWord(caption); // empty: the caption is read
    if (spoken != accessibleName())
        setAccessibleName(spoken);
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
