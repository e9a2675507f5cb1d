#pragma once

#include "exercises/MessageBox.h"
#include "exercises/Ordel.h"
#include "exercises/RandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace ordel::test {

// Hands out the values a test queues, in order; once they run out it goes on
// with a fixed-seed generator, so long runs stay reproducible.
class ScriptedRandom : public RandomSource {
public:
    void queue(std::initializer_list<int> values) { values_.insert(values_.end(), values); }
    [[nodiscard]] std::size_t pending() const { return values_.size(); }
    void reseed() override { ++reseeds; }
    int uniform(int k) override {
        ranges.push_back(k);
        if (values_.empty())
            return std::uniform_int_distribution<int>(1, k)(fallback_);
        const int value = values_.front();
        values_.pop_front();
        EXPECT_TRUE(value >= 1 && value <= k) << value << " queued for a draw from 1.." << k;
        return value;
    }
    int reseeds = 0;
    std::vector<int> ranges; // the k of every value drawn

private:
    std::deque<int> values_;
    SplitMix64 fallback_{1};
};

class RecordingMessageBox : public MessageBox {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        texts.emplace_back(text);
        EXPECT_EQ(title, "Ordel");
        EXPECT_EQ(icon, MessageIcon::None);
        if (onShow)
            onShow();
    }
    std::vector<std::string> texts;
    std::function<void()> onShow; // runs while the box is "open"
};

inline constexpr std::string_view kCorrect = "Muito bem, você acertou !!!";
inline constexpr std::string_view kWrong = "Tente Novamente !!!";

// The four place-value modes' handlers, short for the tests' tables.
constexpr auto U = &Ordel::MnUnidade_Click;
constexpr auto D = &Ordel::mnuDezena_Click;
constexpr auto C = &Ordel::MNucentena_Click;
constexpr auto M = &Ordel::MnuMilhar_Click;

// A program with a scripted random source and a recording message box.
struct Harness {
    ScriptedRandom random;
    RecordingMessageBox messages;
    Ordel ordel{random, messages};

    // Start-up whose first draw is the pair (v1, v2).
    void start(int v1 = 3, int v2 = 7) {
        random.queue({v1, v2});
        ordel.Form_Load();
    }
    // Draws the pair (v1, v2) in a mode.
    void draw(void (Ordel::*mode)(), int v1, int v2) {
        random.queue({v1, v2});
        (ordel.*mode)();
    }
    // Adds beads by clicks on the add buttons, thousands first.
    void board(int m, int c, int d, int u) {
        for (int i = 0; i < m; ++i)
            ordel.Comando_Milhar_Click();
        for (int i = 0; i < c; ++i)
            ordel.Comando_Centena_Click();
        for (int i = 0; i < d; ++i)
            ordel.Comando_Dezena_Click();
        for (int i = 0; i < u; ++i)
            ordel.Comando_Unidade_Click();
    }
    [[nodiscard]] std::string line() const {
        return caption(LabelId::Numero1) + caption(LabelId::Símbolo) + caption(LabelId::Numero2) +
               "=" + caption(LabelId::Resultado);
    }
    [[nodiscard]] const std::string& caption(LabelId id) const { return ordel.label(id).caption; }
    [[nodiscard]] int count(Rod rod) const { return ordel.frame().count(rod); }
    [[nodiscard]] std::array<int, 4> counts() const {
        return {count(Rod::Milhar), count(Rod::Centena), count(Rod::Dezena), count(Rod::Unidade)};
    }
};

// Beads 1 to min(count, capacity) of every rod visible, the rest hidden.
inline ::testing::AssertionResult beadsMatchCounts(const CountingFrame& frame) {
    for (Rod rod : kAllRods) {
        const int shown = std::min(frame.count(rod), info(rod).capacity);
        for (int bead = 0; bead <= info(rod).capacity + 1; ++bead) {
            if (frame.beadVisible(rod, bead) != (bead >= 1 && bead <= shown))
                return ::testing::AssertionFailure() << "rod " << info(rod).letter << " bead "
                                                     << bead << " at count " << frame.count(rod);
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace ordel::test
