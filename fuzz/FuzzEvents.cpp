// Coverage-guided fuzzing of the core: the fuzzer's bytes are read as a run of
// what a pupil does, and after every event the state must hold together. Built
// with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer; a
// broken rule aborts with the line of the check that failed.

#include "exercises/Ordel.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

using namespace ordel;

[[noreturn]] void fail(const char* what, int line) {
    std::fprintf(stderr, "FuzzEvents.cpp:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? (void)0 : fail(#cond, __LINE__))

// Events are read from the front of the input, the random source's values
// from the back.
struct Bytes {
    const std::uint8_t* data;
    std::size_t front, back;
    [[nodiscard]] bool empty() const { return front >= back; }
    int next() { return empty() ? 0 : data[front++]; }
    int last() { return empty() ? -1 : data[--back]; }
};

// Two bytes from the back of the input per value while they last, then a
// fixed-seed generator, so that every redraw loop ends.
class FuzzRandom final : public RandomSource {
public:
    explicit FuzzRandom(Bytes& bytes) : bytes_(bytes) {}
    void reseed() override {}
    int uniform(int k) override {
        const int high = bytes_.last();
        const int low = bytes_.last();
        if (high < 0 || low < 0)
            return std::uniform_int_distribution<int>(1, k)(fallback_);
        return (high << 8 | low) % k + 1;
    }

private:
    Bytes& bytes_;
    std::mt19937 fallback_{20261206};
};

constexpr std::string_view kCorrect = "Muito bem, você acertou !!!";
constexpr std::string_view kWrong = "Tente Novamente !!!";

// Thrown out of the check of a trial copy of the program, before anything
// after the message runs.
struct Verdict {
    bool correct;
};

class Box final : public MessageBox {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        CHECK(title == "Ordel" && icon == MessageIcon::None);
        CHECK(text == kCorrect || text == kWrong);
        if (trial)
            throw Verdict{text == kCorrect};
    }
    bool trial = false;
};

// A number as the window writes it: plain digits, no leading zero.
int number(const std::string& text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    CHECK(error == std::errc() && end == text.data() + text.size());
    CHECK(text.size() == 1 || text[0] != '0');
    return value;
}

constexpr void (Ordel::*kAdd[])() = {&Ordel::Comando_Milhar_Click, &Ordel::Comando_Centena_Click,
                                     &Ordel::Comando_Dezena_Click, &Ordel::Comando_Unidade_Click};
constexpr void (Ordel::*kPress[])(int, int, int, int) = {
    &Ordel::ImageMilhar_MouseDown, &Ordel::ImageCentena_MouseDown, &Ordel::ImageDezena_MouseDown,
    &Ordel::ImageUnidade_MouseDown};
constexpr void (Ordel::*kMenu[])() = {
    &Ordel::MNuDesfazer_Click,  &Ordel::MnuIniciante_Click,     &Ordel::MnuAvançado_Click,
    &Ordel::MnUnidade_Click,    &Ordel::mnuDezena_Click,        &Ordel::MNucentena_Click,
    &Ordel::MnuMilhar_Click,    &Ordel::Cmd_Corrigir_Click,     &Ordel::MnuAdição_Click,
    &Ordel::MnuSubtração_Click, &Ordel::MnuMultiplicação_Click, &Ordel::MnuDivisão_Click};
constexpr int kOperationItems = 8; // kMenu from here on: "&Operação", shown at "Avançado" only

const std::string& expectedText(const Ordel& ordel) {
    return ordel.label(ordel.atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado).caption;
}

// Clicks the expected number's digits onto an emptied board, highest place first.
void buildExpected(Ordel& ordel) {
    const int n = number(expectedText(ordel));
    const int digits[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
    for (std::size_t rod = 0; rod < 4; ++rod) {
        for (int i = 0; i < digits[rod]; ++i)
            (ordel.*kAdd[rod])();
    }
}

// The exercise on the window can be answered: its digits built on a trial copy
// of the program are accepted. The copy shares the random source and the box,
// but the check shows its message before it draws anything.
void checkAnswerable(const Ordel& ordel, Box& box) {
    Ordel trial(ordel);
    trial.LimpaCampo();
    buildExpected(trial);
    box.trial = true;
    bool correct = false;
    try {
        trial.Cmd_Corrigir_Click();
        fail("the check showed no message", __LINE__);
    } catch (const Verdict& verdict) {
        correct = verdict.correct;
    }
    box.trial = false;
    CHECK(correct);
}

void checkState(const Ordel& ordel, Box& box, std::string& lastAnswerable) {
    for (Rod rod : kAllRods) {
        const int count = ordel.frame().count(rod);
        CHECK(count >= 0);
        const int capacity = info(rod).capacity;
        for (int bead = 0; bead <= capacity + 1; ++bead)
            CHECK(ordel.frame().beadVisible(rod, bead) ==
                  (bead >= 1 && bead <= std::min(count, capacity)));
    }
    CHECK(ordel.HasteMarcada() == " " || ordel.HasteMarcada().empty());

    const bool beginner = ordel.atBeginnerLevel();
    CHECK(beginner || ordel.label(LabelId::Legenda).caption == "Avançado");
    CHECK(ordel.operationMenuVisible() == !beginner);
    for (LabelId id : {LabelId::Label2, LabelId::Numero1, LabelId::Símbolo})
        CHECK(ordel.label(id).visible == !beginner);
    const auto mode = std::find_if(kModes.begin(), kModes.end(),
                                   [&](const ModeInfo& m) { return m.word == ordel.Casa(); });
    CHECK(mode != kModes.end());
    CHECK(ordel.Valor1() >= 1 && ordel.Valor1() <= mode->limit);
    CHECK(ordel.Valor2() >= 1 && ordel.Valor2() <= mode->limit);

    const std::string& sign = ordel.label(LabelId::Símbolo).caption;
    if (!sign.empty()) {
        CHECK(sign == "+" || sign == "-" || sign == "x" || sign == ":");
        const int result = number(ordel.label(LabelId::Resultado).caption);
        CHECK(result >= 0 && result <= 20999);
        CHECK(result == ordel.Total());
        // At "Iniciante" a mode's draw shows the new number to build in Numero2
        // and leaves the rest, so only the range holds there.
        if (!beginner) {
            const int a = number(ordel.label(LabelId::Numero1).caption);
            const int b = number(ordel.label(LabelId::Numero2).caption);
            CHECK(result == (sign == "+"   ? a + b
                             : sign == "-" ? a - b
                             : sign == "x" ? a * b
                                           : a / b));
            CHECK(sign == "+" || sign == "x" || a >= b); // the larger operand first
        }
    }

    // The trial costs a copy and a few dozen clicks: once per exercise is enough.
    const std::string exercise =
        ordel.label(LabelId::Legenda).caption + ordel.Casa() + "|" + expectedText(ordel);
    if (exercise != lastAnswerable) {
        checkAnswerable(ordel, box);
        lastAnswerable = exercise;
    }
}

// One event from the front of the input.
void step(Ordel& ordel, Bytes& bytes) {
    const int kind = bytes.next() % 24;
    if (kind < 4) {
        (ordel.*kAdd[kind])();
    } else if (kind < 8) { // any button, any modifiers, anywhere in the area
        const int how = bytes.next();
        (ordel.*kPress[kind - 4])(how & 7, how >> 3, how * 13, how * 7);
    } else if (kind < 20) {
        const int item = kind - 8;
        if (item < kOperationItems || ordel.operationMenuVisible())
            (ordel.*kMenu[item])();
    } else if (kind == 20) { // many clicks on one rod, past its capacity
        const int how = bytes.next();
        for (int i = 0; i < how >> 2; ++i)
            (ordel.*kAdd[how & 3])();
    } else if (kind == 21) { // the expected answer built by presses and clicks, then checked
        for (std::size_t rod = 0; rod < 4; ++rod) {
            for (int i = std::min(ordel.frame().count(kAllRods[rod]), 1000); i > 0; --i)
                (ordel.*kPress[rod])(1, 0, 0, 0);
        }
        buildExpected(ordel);
        ordel.Cmd_Corrigir_Click();
    } else if (kind == 22) { // a count at the top of its type: billions of clicks at once
        const int how = bytes.next();
        ordel.setCount(kAllRods[static_cast<std::size_t>(how & 3)], 2147483647 - (how >> 2));
    } else {
        ordel.Cmd_Corrigir_Click();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes{data, 0, size};
    FuzzRandom random(bytes);
    Box box;
    Ordel ordel(random, box);
    std::string lastAnswerable;
    ordel.Form_Load();
    checkState(ordel, box, lastAnswerable);
    while (!bytes.empty()) {
        step(ordel, bytes);
        checkState(ordel, box, lastAnswerable);
    }
    return 0;
}
