#pragma once

#include "MessageBox.h"
#include "Modes.h"
#include "Operations.h"
#include "RandomSource.h"
#include "board/CountingFrame.h"

#include <array>
#include <cstdint>
#include <string>

namespace ordel {

// The labels whose caption or visibility the exercises read and write.
enum class LabelId { Legenda, Numero1, Numero2, Símbolo, Resultado, Label2 };

inline constexpr std::array<LabelId, 6> kAllLabels{LabelId::Legenda,   LabelId::Numero1,
                                                   LabelId::Numero2,   LabelId::Símbolo,
                                                   LabelId::Resultado, LabelId::Label2};

struct Label {
    std::string caption;
    bool visible = true;
};

// Told about every change of what the window shows.
class StateObserver : public FrameObserver {
public:
    virtual void labelChanged(LabelId label) = 0; // caption or visibility
    virtual void operationMenuChanged() = 0;      // visibility of the menu "&Operação"
};

// The state of the program's one window and every procedure that acts on it,
// with no knowledge of any toolkit. The window builds its controls, forwards
// each user event to the handler of the same name here, and shows what the
// state says, learning of changes through a StateObserver.
//
// The level lives in the caption of Legenda and the operation in the caption
// of Símbolo: both are read back and compared as exact text, as the window's
// labels are the program's record of them.
class Ordel {
public:
    Ordel(RandomSource& random, MessageBox& messages);

    void setObserver(StateObserver* observer);

    // Start-up: level "Iniciante", a first number from 1 to 9, the frame cleared.
    void Form_Load();

    // The add buttons.
    void Comando_Milhar_Click() { addBead(Rod::Milhar); }
    void Comando_Centena_Click() { addBead(Rod::Centena); }
    void Comando_Dezena_Click() { addBead(Rod::Dezena); }
    void Comando_Unidade_Click() { addBead(Rod::Unidade); }

    // A press on a rod's area, with whatever button, modifiers and position:
    // none of them matters.
    void ImageMilhar_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
        pressArea(Rod::Milhar);
    }
    void ImageCentena_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
        pressArea(Rod::Centena);
    }
    void ImageDezena_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
        pressArea(Rod::Dezena);
    }
    void ImageUnidade_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
        pressArea(Rod::Unidade);
    }

    // "Desfazer": removes the marked rod's last bead. From the menu no rod is
    // ever marked, so it removes nothing.
    void MNuDesfazer_Click() { frame_.removeMarked(); }

    // The levels.
    void MnuIniciante_Click();
    void MnuAvançado_Click();

    // The place-value modes: a new pair of operands, nothing cleared.
    void MnUnidade_Click() { drawPair(Mode::Unidade); }
    void mnuDezena_Click() { drawPair(Mode::Dezena); }
    void MNucentena_Click() { drawPair(Mode::Centena); }
    void MnuMilhar_Click() { drawPair(Mode::Milhar); }

    // The operations: a new exercise, frame cleared.
    void MnuAdição_Click() { setExercise(Operation::Adição); }
    void MnuSubtração_Click() { setExercise(Operation::Subtração); }
    void MnuMultiplicação_Click() { setExercise(Operation::Multiplicação); }
    void MnuDivisão_Click() { setExercise(Operation::Divisão); }

    // "CORRIGIR": checks the board against the expected number.
    void Cmd_Corrigir_Click();

    // Clears the frame and the answer boxes, and shows the arithmetic widgets
    // at level "Avançado" only.
    void LimpaCampo();
    // The next exercise of the same kind: same mode, same operation if any.
    void Enter();

    // What the window shows.
    [[nodiscard]] const Label& label(LabelId id) const { return labels_[slot(id)]; }
    [[nodiscard]] bool operationMenuVisible() const { return operationMenuVisible_; }
    [[nodiscard]] const CountingFrame& frame() const { return frame_; }

    // The form-level values, under their own names.
    [[nodiscard]] int ContaMilhar() const { return frame_.count(Rod::Milhar); }
    [[nodiscard]] int ContaCentena() const { return frame_.count(Rod::Centena); }
    [[nodiscard]] int ContaDezena() const { return frame_.count(Rod::Dezena); }
    [[nodiscard]] int ContaUnidade() const { return frame_.count(Rod::Unidade); }
    [[nodiscard]] const std::string& HasteMarcada() const { return frame_.HasteMarcada(); }
    [[nodiscard]] std::int16_t Indice() const { return frame_.Indice(); }
    [[nodiscard]] const std::string& Casa() const { return casa_; }
    [[nodiscard]] int Valor1() const { return valor1_; }
    [[nodiscard]] int Valor2() const { return valor2_; }
    [[nodiscard]] int Total() const { return total_; }

    [[nodiscard]] bool atBeginnerLevel() const;

    // The one hook for tests, benchmarks and the fuzzer: puts a rod at a given
    // count, beads to match, a board built by clicks without the clicks. The
    // window never calls it.
    void setCount(Rod rod, int count) { frame_.setCount(rod, count); }

private:
    // The four-fold families behind the named handlers.
    void addBead(Rod rod) { frame_.addBead(rod); }
    void pressArea(Rod rod) { frame_.press(rod); }
    void drawPair(Mode mode);
    void setExercise(Operation op);

    static std::size_t slot(LabelId id) { return static_cast<std::size_t>(id); }
    void setCaption(LabelId id, std::string caption);
    void setVisible(LabelId id, bool visible);
    void setOperationMenuVisible(bool visible);
    [[nodiscard]] std::string answerText() const;

    RandomSource& random_;
    MessageBox& messages_;
    StateObserver* observer_ = nullptr;

    CountingFrame frame_;
    std::array<Label, 6> labels_;
    bool operationMenuVisible_ = true;

    std::string casa_;
    int valor1_ = 0;
    int valor2_ = 0;
    int total_ = 0;
};

} // namespace ordel
