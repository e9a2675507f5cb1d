#include "Appearance.h"

#include "WindowLayout.h"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSlider>

#include <array>
#include <utility>

namespace {

// The faces asked for, best first, less those this machine lacks, looked up
// once. Qt would pass over a missing first face anyway, but only after a
// costly fontconfig match for that face's substitutes; the first face
// present is the same either way.
const QStringList& presentFamilies() {
    static const QStringList families = [] {
        const QStringList wanted{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("Helvetica")};
        const QStringList installed = QFontDatabase::families();
        QStringList present;
        for (const QString& family : wanted) {
            if (installed.contains(family, Qt::CaseInsensitive))
                present << family;
        }
        return present.isEmpty() ? wanted : present;
    }();
    return families;
}

} // namespace

QFont windowFont(double points) {
    QFont font;
    font.setFamilies(presentFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Under Fusion and other styles a button face takes an exact colour only from
// a style sheet that draws the border too; the caption keeps the palette's
// button-text colour.
QString addButtonStyle(ordel::layout::Rgb c) {
    const QString rgb = QStringLiteral("rgb(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
    return QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: palette(button-text); }")
        .arg(rgb);
}

// Qt names no such colour, so a scroll bar is drawn off screen and the middle
// of its groove read back.
QColor grooveColour(const QWidget* context) {
    QScrollBar bar(Qt::Horizontal);
    bar.setPalette(context->palette());
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.rect = QRect(0, 0, 200, 20);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.subControls = QStyle::SC_All;
    option.maximum = 100;
    option.pageStep = 10;
    option.singleStep = 1;
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        bar.style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, &bar);
    }
    const QRect groove = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarAddPage, &bar);
    const QColor colour = image.pixelColor(groove.center());
    // A style that leaves the groove unpainted: the palette's own colour.
    return colour.alpha() == 255 ? colour : context->palette().color(QPalette::Button);
}

QIcon programIcon() {
    // The drawing, at whatever size the desktop or the screen's density asks
    // for, where Qt's SVG icon engine is installed (without it the icon would
    // come out empty, or at 32 pixels scaled up). That engine keeps the
    // drawing as scalable and lists no fixed sizes, where any other reading
    // of the file lists the one size read, or none at all. Asking renders
    // nothing: the icon is drawn only when the desktop asks for it.
    const QString drawing = QStringLiteral(":/icons/ordel.svg");
    QIcon icon;
    if (QFile::exists(drawing)) {
        icon.addFile(drawing);
        if (icon.isNull() || !icon.availableSizes().isEmpty())
            icon = QIcon();
    }
    // Three 32 x 32 images: the white disc with the red mark is the icon;
    // the others stand for the disabled and the selected icon. Added as
    // images rather than files: the SVG engine would look each file's type
    // up in the MIME database first, which costs more at start than the
    // three images together.
    const std::array<std::pair<const char*, QIcon::Mode>, 3> images{{
        {":/icons/ordel-32-red.png", QIcon::Normal},
        {":/icons/ordel-32-mono.png", QIcon::Disabled},
        {":/icons/ordel-32-green.png", QIcon::Selected},
    }};
    for (const auto& [path, mode] : images) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file))
            icon.addPixmap(QPixmap(file), mode);
    }
    return icon;
}
