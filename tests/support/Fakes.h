#pragma once

#include "exercises/MessageBox.h"
#include "exercises/Ordel.h"
#include "exercises/RandomSource.h"

#include <gtest/gtest.h>

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
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}

    // Queues the pairs that the next draws will take.
    void queue(std::initializer_list<int> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    [[nodiscard]] std::size_t pending() const { return values_.size(); }

    void reseed() override { ++reseeds; }
    int uniform(int k) override {
        ranges.push_back(k);
        if (values_.empty())
            return std::uniform_int_distribution<int>(1, k)(fallback_);
        const int value = values_.front();
        values_.pop_front();
        EXPECT_GE(value, 1) << "queued value below the range";
        EXPECT_LE(value, k) << "queued value above the range 1.." << k;
        return value;
    }

    int reseeds = 0;
    std::vector<int> ranges; // the k of every value drawn

private:
    std::deque<int> values_;
    SplitMix64 fallback_;
};

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
};

class RecordingMessageBox : public MessageBox {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        shown.push_back({std::string(text), std::string(title), icon});
        if (onShow)
            onShow();
    }
    std::vector<Message> shown;
    std::function<void()> onShow; // runs while the box is "open"
};

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
    // Builds a board on a cleared frame by clicks on the add buttons, the
    // four counts thousands first.
    void board(int m, int c, int d, int u) {
        const std::pair<void (Ordel::*)(), int> clicks[] = {{&Ordel::Comando_Milhar_Click, m},
                                                            {&Ordel::Comando_Centena_Click, c},
                                                            {&Ordel::Comando_Dezena_Click, d},
                                                            {&Ordel::Comando_Unidade_Click, u}};
        for (const auto& [click, times] : clicks) {
            for (int i = 0; i < times; ++i)
                (ordel.*click)();
        }
    }
    [[nodiscard]] const std::string& caption(LabelId id) const { return ordel.label(id).caption; }
    [[nodiscard]] bool visible(LabelId id) const { return ordel.label(id).visible; }
};

// Beads 1 to min(count, capacity) of every rod visible, the rest hidden.
inline ::testing::AssertionResult beadsMatchCounts(const CountingFrame& frame) {
    for (Rod rod : kAllRods) {
        const int shown = std::min(frame.count(rod), info(rod).capacity);
        for (int bead = 1; bead <= info(rod).capacity; ++bead) {
            if (frame.beadVisible(rod, bead) != (bead <= shown))
                return ::testing::AssertionFailure() << "rod " << info(rod).letter << " bead "
                                                     << bead << " at count " << frame.count(rod);
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace ordel::test
