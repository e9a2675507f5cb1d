#pragma once

#include "exercises/Texts.h"
#include "support/Play.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ordel::test {

// clang-format off
inline constexpr const char* kLabelNames[] = {"Legenda", "Numero1", "Numero2", "Símbolo", "Resultado", "Label2"};
// clang-format on

// The program, started with the pair (3, 7), with this as its random source,
// its message box and its observer. The source hands out the values a test
// queues, then 1s.
struct Harness : RandomSource, MessageBox, StateObserver {
    Ordel ordel{*this, *this};
    std::deque<int> queued{3, 7};
    int draws = 0, reseeds = 0;
    std::vector<std::string> texts; // the messages shown
    // What a view is told, in order: "U3" for bead 3 of the units rod, "boxU"
    // for its answer box, "#U[U]" for its count with the marker at the time in
    // brackets, a label's name, "menu" for the operation menu.
    std::string told;

    Harness() {
        ordel.setObserver(this);
        ordel.Form_Load();
    }
    static std::string letter(Rod rod) { return {"MCDU"[index(rod)]}; }
    void tell(const std::string& event) { told += event + " "; }
    void beadChanged(Rod rod, int bead) override { tell(letter(rod) + std::to_string(bead)); }
    void answerChanged(Rod rod) override { tell("box" + letter(rod)); }
    void countChanged(Rod r) override { tell("#" + letter(r) + "[" + ordel.HasteMarcada() + "]"); }
    void labelChanged(LabelId id) override { tell(kLabelNames[static_cast<int>(id)]); }
    void operationMenuChanged() override { tell("menu"); }
    void reseed() override { ++reseeds; }
    int uniform(int k) override {
        if (++draws > 1000) // a redraw loop that does not end: fail rather than hang
            throw std::runtime_error("endless draws");
        if (queued.empty())
            return 1; // every redraw loop ends on it
        const int value = queued.front();
        queued.pop_front();
        EXPECT_TRUE(value >= 1 && value <= k) << value << " queued for a draw from 1.." << k;
        return value;
    }
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        texts.emplace_back(text);
        EXPECT_TRUE(title == texts::kProgramTitle && icon == MessageIcon::None);
    }

    // Plays the events (see kEvents), after queueing the values for the draws.
    void play(std::string_view events, const std::vector<int>& values = {}) {
        queued.insert(queued.end(), values.begin(), values.end());
        for (std::size_t i = 0; i < events.size(); ++i)
            ordel::play(ordel, events[i], static_cast<int>(i));
    }
    // Thousands, hundreds, tens and units on the rods.
    void board(std::array<int, kRodCount> counts) {
        for (Rod rod : kAllRods)
            ordel.setCount(rod, counts[index(rod)]);
    }
    // The counts, or the answer boxes, thousands first: "0/3/5/12".
    [[nodiscard]] std::string rods(bool boxes = false) const {
        std::string text;
        for (Rod rod : kAllRods)
            text += (rod == Rod::Milhar ? "" : "/") +
                    (boxes ? ordel.frame().answer(rod) : ordel.frame().countText(rod));
        return text;
    }
    [[nodiscard]] const std::string& caption(LabelId id) const { return ordel.label(id).caption; }
    // Level, mode, the exercise's line and the counts: "Avançado Milhar 9-2=7 0/0/0/0".
    [[nodiscard]] std::string view() const {
        return caption(LabelId::Legenda) + " " + ordel.Casa() + " " + caption(LabelId::Numero1) +
               caption(LabelId::Símbolo) + caption(LabelId::Numero2) + caption(LabelId::Label2) +
               caption(LabelId::Resultado) + " " + rods();
    }
};

} // namespace ordel::test
