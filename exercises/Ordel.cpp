#include "Ordel.h"

#include "Texts.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ordel {

namespace {

std::optional<Mode> modeNamed(const std::string& word) {
    for (Mode mode : kAllModes) {
        if (word == info(mode).word)
            return mode;
    }
    return std::nullopt;
}

std::optional<Operation> operationSigned(const std::string& sign) {
    for (Operation op : kAllOperations) {
        if (sign == info(op).sign)
            return op;
    }
    return std::nullopt;
}

} // namespace

Ordel::Ordel(RandomSource& random, MessageBox& messages) : random_(random), messages_(messages) {
    labels_[slot(LabelId::Label2)].caption = std::string(texts::kEquals);
}

void Ordel::setObserver(StateObserver* observer) {
    observer_ = observer;
    frame_.setObserver(observer);
}

void Ordel::Form_Load() {
    setCaption(LabelId::Legenda, std::string(texts::kIniciante));
    MnUnidade_Click();
    LimpaCampo();
}

void Ordel::MnuIniciante_Click() {
    setCaption(LabelId::Legenda, std::string(texts::kIniciante));
    Enter();
}

void Ordel::MnuAvançado_Click() {
    setCaption(LabelId::Legenda, std::string(texts::kAvancado));
    LimpaCampo();
    MnuAdição_Click();
}

bool Ordel::atBeginnerLevel() const {
    return label(LabelId::Legenda).caption == texts::kIniciante;
}

void Ordel::drawPair(Mode mode) {
    const ModeInfo& m = info(mode);
    valor1_ = m.sentinel;
    while (valor1_ > m.limit || valor2_ > m.limit) {
        random_.reseed();
        valor1_ = random_.uniform(m.factor);
        valor2_ = random_.uniform(m.factor);
    }
    if (atBeginnerLevel())
        setCaption(LabelId::Numero2, std::to_string(valor2_));
    casa_ = std::string(m.word);
}

void Ordel::setExercise(Operation op) {
    // Every draw goes through the current mode. Casa names one from start-up
    // on; without one no pair could be drawn, so no exercise is set.
    const std::optional<Mode> mode = modeNamed(casa_);
    if (!mode)
        return;

    const OperationInfo& o = info(op);
    total_ = o.drawsFirst ? kDrawSentinel : o.compute(valor1_, valor2_);
    while (total_ > kLargestResult) {
        drawPair(*mode);
        if (o.largerFirst && valor1_ < valor2_)
            std::swap(valor1_, valor2_);
        total_ = o.compute(valor1_, valor2_);
    }
    setCaption(LabelId::Numero1, std::to_string(valor1_));
    setCaption(LabelId::Numero2, std::to_string(valor2_));
    setCaption(LabelId::Resultado, std::to_string(total_));
    setCaption(LabelId::Símbolo, std::string(o.sign));
    LimpaCampo();
}

void Ordel::Enter() {
    if (const auto mode = modeNamed(casa_))
        drawPair(*mode);
    // The operation is repeated whatever the level: once a sign has been set it
    // stays, and a return to "Iniciante" does not empty it.
    if (const auto op = operationSigned(label(LabelId::Símbolo).caption))
        setExercise(*op);
    LimpaCampo();
}

void Ordel::LimpaCampo() {
    const bool arithmetic = !atBeginnerLevel();
    setOperationMenuVisible(arithmetic);
    setVisible(LabelId::Label2, arithmetic);
    setVisible(LabelId::Numero1, arithmetic);
    setVisible(LabelId::Símbolo, arithmetic);
    frame_.clear();
}

void Ordel::Cmd_Corrigir_Click() {
    for (Rod rod : kUnitsFirst)
        frame_.setAnswer(rod, frame_.countText(rod));

    const LabelId expected = atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado;
    if (answerText() == label(expected).caption) {
        messages_.show(texts::kCorrect, texts::kProgramTitle, MessageIcon::None);
        LimpaCampo();
        Enter();
    } else {
        messages_.show(texts::kWrong, texts::kProgramTitle, MessageIcon::None);
    }
}

std::string Ordel::answerText() const {
    // At level "Iniciante" the mode decides the highest rod read; rods above it
    // do not count. Otherwise all four rods are read.
    Rod highest = Rod::Milhar;
    if (atBeginnerLevel()) {
        const auto mode = modeNamed(casa_);
        if (!mode)
            return {};
        highest = info(*mode).highestRod;
    }
    // Empty rods at the top are left out, so that 0 hundreds, 4 tens and 2
    // units spell 42; the units rod always stays, so an empty board spells 0.
    auto first = std::find(kAllRods.begin(), kAllRods.end(), highest);
    while (*first != Rod::Unidade && frame_.count(*first) == 0)
        ++first;

    std::string text;
    for (auto rod = first; rod != kAllRods.end(); ++rod)
        text += frame_.answer(*rod);
    return text;
}

void Ordel::setCaption(LabelId id, std::string caption) {
    Label& l = labels_[slot(id)];
    if (l.caption == caption)
        return;
    l.caption = std::move(caption);
    if (observer_ != nullptr)
        observer_->labelChanged(id);
}

void Ordel::setVisible(LabelId id, bool visible) {
    Label& l = labels_[slot(id)];
    if (l.visible == visible)
        return;
    l.visible = visible;
    if (observer_ != nullptr)
        observer_->labelChanged(id);
}

void Ordel::setOperationMenuVisible(bool visible) {
    if (operationMenuVisible_ == visible)
        return;
    operationMenuVisible_ = visible;
    if (observer_ != nullptr)
        observer_->operationMenuChanged();
}

} // namespace ordel
