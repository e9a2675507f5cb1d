#include "Accessibility.h"

#include "AtSpiRepair.h"
#include "PressArea.h"
#include "Words.h"
#include "exercises/Ordel.h"
#include "exercises/Texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace accessibility {

namespace {

using ordel::LabelId;
using ordel::Rod;
namespace words = ordel::words;

QString word(std::string_view text) {
    return QString::fromUtf8(text);
}

QString rodName(Rod rod) {
    return word(words::kRodsOf[ordel::index(rod)]);
}

QString buttonHint(Rod rod, int count) {
    return word(words::kButtonHint).arg(beadCount(count), rodName(rod));
}

// The exercise as the window shows it, without the program's title. At
// level "Avançado" a line ending in the equals sign is closed with "a
// quanto?": a screen reader says the window's role word right after its
// name, and "igual" must not run into it as if it were part of the sum.
QString exerciseOnly(const ordel::Ordel& core) {
    const auto caption = [&core](LabelId id) {
        return QString::fromStdString(core.label(id).caption);
    };
    if (core.atBeginnerLevel())
        return word(words::kToBuild).arg(caption(LabelId::Numero2));
    // The exercise line as it stands on the window, left to right, each sign
    // as its word; a part still empty is left out.
    QStringList line;
    for (LabelId id : {LabelId::Numero1, LabelId::Símbolo, LabelId::Numero2, LabelId::Label2}) {
        const QString text = caption(id);
        const QString sign = signWord(text);
        if (!text.isEmpty())
            line << (sign.isEmpty() ? text : sign);
    }
    if (!line.isEmpty() && line.back() == word(words::kEqualsWord))
        line << word(words::kHowMuch);
    return line.join(u' ');
}

// What each label is for; its caption is read as its name. Resultado, under
// the "CORRIGIR" button, holds the expected answer: no screen reader may read
// it, as no pupil can see it. Numero2's description follows the level; the
// one here is for level "Avançado".
QString labelDescription(LabelId id) {
    switch (id) {
    case LabelId::Legenda:
        return word(words::kLegendaDescription);
    case LabelId::Numero1:
        return word(words::kNumero1Description);
    case LabelId::Numero2:
        return word(words::kNumero2Description);
    case LabelId::Símbolo:
        return word(words::kSignDescription);
    case LabelId::Resultado:
        return {};
    case LabelId::Label2:
        return word(words::kLabel2Description);
    }
    return {};
}

// Marks a widget that screen readers must not see at all.
constexpr char kKeptFromReaders[] = "keptFromReaders";

// Sets a description only when it changes: Qt tells screen readers of every
// description set.
void describe(QWidget* control, const QString& description) {
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

// What assistive technology sees of a press area: a button with the standard
// press action and the rod's bead count as its value, which only the pupil's
// beads change.
class AccessibleArea : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleArea(PressArea* area) : QAccessibleWidget(area, QAccessible::Button) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            area()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

    [[nodiscard]] QVariant currentValue() const override { return area()->count(); }
    void setCurrentValue(const QVariant& /*value*/) override {}
    [[nodiscard]] QVariant maximumValue() const override { return INT_MAX; }
    [[nodiscard]] QVariant minimumValue() const override { return 0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

private:
    [[nodiscard]] PressArea* area() const { return static_cast<PressArea*>(widget()); }
};

// What a screen reader learns of a widget kept from it: no text at all, and
// that it cannot be seen.
class KeptWidget : public QAccessibleWidget {
public:
    explicit KeptWidget(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    [[nodiscard]] QString text(QAccessible::Text /*t*/) const override { return {}; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (auto* area = qobject_cast<PressArea*>(object))
        return new AccessibleArea(area);
    if (object->property(kKeptFromReaders).toBool())
        return new KeptWidget(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
    installAtSpiRepair();
}

void nameRod(Rod rod, PressArea* area, QWidget* beads, QWidget* answer) {
    area->setAccessibleName(word(words::kRodArea).arg(rodName(rod)));
    beads->setAccessibleName(word(words::kRodBeads).arg(rodName(rod)));
    answer->setAccessibleName(word(words::kRodAnswer).arg(rodName(rod)));
    answer->setAccessibleDescription(word(words::kAnswerDescription));
}

void tellCount(Rod rod, int count, PressArea* area, QWidget* beads, QWidget* button) {
    QAccessibleValueChangeEvent event(area, count);
    QAccessible::updateAccessibility(&event);
    const QString counted = beadCount(count);
    describe(area, word(words::kAreaHint).arg(counted));
    describe(beads, counted);
    // The window's focus widget: focused now, or as soon as the window is.
    const bool focused = button->window()->focusWidget() == button;
    describe(button, focused ? counted : buttonHint(rod, count));
}

void arriveOnButton(Rod rod, int count, QWidget* button) {
    // Set as the focus arrives, before Qt tells screen readers of the focus:
    // they read the new description with the button, not as a change.
    describe(button, buttonHint(rod, count));
}

void nameCheckButton(QWidget* check) {
    check->setAccessibleDescription(word(words::kCheckDescription));
}

void nameLabel(LabelId id, QWidget* label) {
    const QString description = labelDescription(id);
    label->setProperty(kKeptFromReaders, description.isEmpty());
    label->setAccessibleDescription(description);
}

void tellCaption(QWidget* label, const QString& caption) {
    // Qt tells screen readers of a label's new text only while the label has
    // no name of its own: the name changes first.
    const QString word = signWord(caption);
    if (word != label->accessibleName())
        label->setAccessibleName(word);
}

void tellLevel(bool beginner, QWidget* numero2) {
    describe(numero2, beginner ? word(words::kNumero2ToBuild) : labelDescription(LabelId::Numero2));
}

void tellExercise(const ordel::Ordel& core, QWidget* window) {
    const QString name = exercise(core);
    if (name == window->accessibleName())
        return;
    const bool first = window->accessibleName().isEmpty();
    window->setAccessibleName(name);
    if (!first)
        announceNewName(window, exerciseOnly(core));
}

void tellBoard(const ordel::Ordel& core, QWidget* window) {
    announce(window, board(core));
}

QString signWord(const QString& caption) {
    if (caption == word(ordel::texts::kEquals))
        return word(words::kEqualsWord);
    for (ordel::Operation op : ordel::kAllOperations) {
        if (caption == word(ordel::info(op).sign))
            return word(words::kSignWords[static_cast<std::size_t>(op)]);
    }
    return {};
}

QString beadCount(int count) {
    return count == 1 ? word(words::kOneBead) : word(words::kBeads).arg(count);
}

QString exercise(const ordel::Ordel& core) {
    return word(words::kWindowName).arg(word(ordel::texts::kProgramTitle), exerciseOnly(core));
}

QString board(const ordel::Ordel& core) {
    // Where the pupil is: the level, the mode and, at level "Avançado", the
    // operation, which no menu shows.
    QStringList where{QString::fromStdString(core.label(LabelId::Legenda).caption)};
    const auto mode = std::ranges::find(ordel::kModes, core.Casa(), &ordel::ModeInfo::word);
    if (mode != ordel::kModes.end())
        where << word(words::kModeWords[static_cast<std::size_t>(mode - ordel::kModes.begin())]);
    const std::string& sign = core.label(LabelId::Símbolo).caption;
    const auto op = std::ranges::find(ordel::kOperations, sign, &ordel::OperationInfo::sign);
    if (!core.atBeginnerLevel() && op != ordel::kOperations.end())
        where << word(
            words::kOperationWords[static_cast<std::size_t>(op - ordel::kOperations.begin())]);
    QString told = exerciseOnly(core);
    if (!told.endsWith(u'?'))
        told += u'.';
    QStringList rods;
    for (Rod rod : ordel::kAllRods)
        rods << word(words::kRodsOnBoard[ordel::index(rod)]) + u' ' +
                    QString::number(core.frame().count(rod));
    return word(words::kBoard)
        .arg(where.join(QStringLiteral(", ")), told, rods.join(QStringLiteral(", ")));
}

QString messageBoxName(const QString& title, const QString& text) {
    // A braille display's line is commonly 40 cells.
    constexpr qsizetype kBrailleLine = 40;
    const QString named = word(words::kMessageBoxName).arg(title, text.simplified());
    return named.size() <= kBrailleLine ? named : title;
}

} // namespace accessibility
