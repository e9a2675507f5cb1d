#include "board/CountingFrame.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace ordel::test {
namespace {

struct RodCase {
    Rod rod;
    int capacity;
};

class EachRod : public ::testing::TestWithParam<RodCase> {};

TEST_P(EachRod, beadsFillUpToTheCapacityAndTheCountRisesPastIt) {
    const auto [rod, capacity] = GetParam();
    CountingFrame frame;
    for (int click = 1; click <= capacity + 3; ++click) {
        frame.addBead(rod);
        ASSERT_EQ(frame.count(rod), click);
        ASSERT_TRUE(beadsMatchCounts(frame));
    }
    EXPECT_TRUE(frame.beadVisible(rod, capacity));
    EXPECT_EQ(frame.countText(rod), std::to_string(capacity + 3));
    for (Rod other : kAllRods) {
        if (other != rod) {
            EXPECT_EQ(frame.count(other), 0);
        }
    }
}

TEST_P(EachRod, removalAboveTheCapacityLowersOnlyTheCountUntilItIsBackAtTheCapacity) {
    const auto [rod, capacity] = GetParam();
    CountingFrame frame;
    frame.setCount(rod, capacity + 3);
    for (int press = 1; press <= 3; ++press) {
        frame.press(rod);
        EXPECT_TRUE(frame.beadVisible(rod, capacity)) << "press " << press;
    }
    EXPECT_EQ(frame.count(rod), capacity);
    frame.press(rod);
    EXPECT_EQ(frame.count(rod), capacity - 1);
    EXPECT_FALSE(frame.beadVisible(rod, capacity));
    EXPECT_TRUE(beadsMatchCounts(frame));
}

TEST_P(EachRod, aPressOnAnEmptyRodChangesNothingButTheMarker) {
    const Rod pressed = GetParam().rod;
    CountingFrame frame;
    int other = 0;
    for (Rod rod : kAllRods)
        frame.setCount(rod, rod == pressed ? 0 : 4 + other++);
    std::array<int, 4> before{};
    for (Rod rod : kAllRods)
        before[index(rod)] = frame.count(rod);

    frame.press(pressed);
    for (Rod rod : kAllRods)
        EXPECT_EQ(frame.count(rod), before[index(rod)]);
    EXPECT_TRUE(beadsMatchCounts(frame));
    EXPECT_EQ(frame.HasteMarcada(), " ");
}

INSTANTIATE_TEST_SUITE_P(Rods, EachRod,
                         ::testing::Values(RodCase{Rod::Milhar, 20}, RodCase{Rod::Centena, 40},
                                           RodCase{Rod::Dezena, 70}, RodCase{Rod::Unidade, 60}),
                         [](const auto& info) {
                             return std::string(ordel::info(info.param.rod).letter);
                         });

TEST(CountingFrame, theTensRodHoldsSeventyBeadsTenMoreThanTheUnits) {
    CountingFrame frame;
    for (int i = 0; i < 70; ++i) {
        frame.addBead(Rod::Dezena);
        frame.addBead(Rod::Unidade);
    }
    EXPECT_TRUE(frame.beadVisible(Rod::Dezena, 70));
    EXPECT_TRUE(frame.beadVisible(Rod::Dezena, 61));
    EXPECT_FALSE(frame.beadVisible(Rod::Unidade, 61)) << "the units rod has only 60 places";
    frame.addBead(Rod::Dezena);
    EXPECT_EQ(frame.count(Rod::Dezena), 71);
}

TEST(CountingFrame, eachPressTakesOneBeadFromThePressedRodOnly) {
    CountingFrame frame;
    frame.setCount(Rod::Milhar, 3);
    frame.setCount(Rod::Centena, 4);
    frame.setCount(Rod::Dezena, 5);
    frame.setCount(Rod::Unidade, 6);
    for (int i = 0; i < 3; ++i)
        frame.press(Rod::Dezena);
    EXPECT_EQ(frame.count(Rod::Dezena), 2);
    EXPECT_TRUE(frame.beadVisible(Rod::Dezena, 2));
    EXPECT_FALSE(frame.beadVisible(Rod::Dezena, 3));
    EXPECT_EQ(frame.count(Rod::Milhar), 3);
    EXPECT_EQ(frame.count(Rod::Centena), 4);
    EXPECT_EQ(frame.count(Rod::Unidade), 6);
    EXPECT_EQ(frame.HasteMarcada(), " ");
}

TEST(CountingFrame, theMarkerIsEmptyUntilTheFirstRemoval) {
    CountingFrame frame;
    EXPECT_EQ(frame.HasteMarcada(), "");
    frame.removeMarked();
    EXPECT_EQ(frame.HasteMarcada(), " ");
}

TEST(CountingFrame, theMenuRemovalFindsNoRodMarkedAndRemovesNothing) {
    CountingFrame frame;
    frame.setCount(Rod::Milhar, 25);
    frame.setCount(Rod::Centena, 1);
    frame.setCount(Rod::Dezena, 70);
    frame.setCount(Rod::Unidade, 9);
    // Whatever came before: a fresh frame, a press, a press on an empty rod.
    for (int round = 0; round < 3; ++round) {
        frame.removeMarked();
        EXPECT_EQ(frame.count(Rod::Milhar), 25);
        EXPECT_EQ(frame.count(Rod::Centena), round == 0 ? 1 : 0);
        EXPECT_EQ(frame.count(Rod::Dezena), 70);
        EXPECT_EQ(frame.count(Rod::Unidade), 9);
        EXPECT_TRUE(beadsMatchCounts(frame));
        EXPECT_EQ(frame.HasteMarcada(), " ");
        frame.press(Rod::Centena);
    }
}

TEST(CountingFrame, aCountAtTheLargestIntStaysThereInsteadOfOverflowing) {
    CountingFrame frame;
    const int most = std::numeric_limits<int>::max();
    frame.setCount(Rod::Unidade, most - 1);
    frame.addBead(Rod::Unidade);
    frame.addBead(Rod::Unidade);
    EXPECT_EQ(frame.count(Rod::Unidade), most);
    EXPECT_EQ(frame.countText(Rod::Unidade), std::to_string(most));
    EXPECT_TRUE(beadsMatchCounts(frame));
    frame.press(Rod::Unidade);
    EXPECT_EQ(frame.count(Rod::Unidade), most - 1);
}

TEST(CountingFrame, clearingHidesEveryBeadEmptiesTheBoxesAndKeepsTheMarker) {
    CountingFrame frame;
    for (Rod rod : kAllRods) {
        frame.setCount(rod, 100);
        frame.setAnswer(rod, "100");
    }
    frame.press(Rod::Centena);
    frame.addBead(Rod::Milhar);
    frame.clear();
    for (Rod rod : kAllRods) {
        EXPECT_EQ(frame.count(rod), 0);
        EXPECT_EQ(frame.countText(rod), "0");
        EXPECT_EQ(frame.answer(rod), "");
    }
    EXPECT_TRUE(beadsMatchCounts(frame));
    EXPECT_EQ(frame.HasteMarcada(), " ");
}

TEST(CountingFrame, beadNumbersOutsideTheRodAreNeverVisible) {
    CountingFrame frame;
    frame.setCount(Rod::Milhar, 30);
    EXPECT_FALSE(frame.beadVisible(Rod::Milhar, 0));
    EXPECT_FALSE(frame.beadVisible(Rod::Milhar, 21));
    EXPECT_FALSE(frame.beadVisible(Rod::Milhar, -1));
}

// Records what the frame reports, to check that a view is told of exactly the
// beads and boxes that changed.
struct ChangeLog : FrameObserver {
    void beadChanged(Rod rod, int bead) override { beads.emplace_back(rod, bead); }
    void answerChanged(Rod rod) override { answers.push_back(rod); }
    std::vector<std::pair<Rod, int>> beads;
    std::vector<Rod> answers;
};

TEST(CountingFrame, reportsEveryChangeOfABeadOrBoxAndNothingElse) {
    CountingFrame frame;
    ChangeLog log;
    frame.setObserver(&log);

    frame.addBead(Rod::Centena);
    frame.addBead(Rod::Centena);
    EXPECT_EQ(log.beads, (std::vector<std::pair<Rod, int>>{{Rod::Centena, 1}, {Rod::Centena, 2}}));

    log.beads.clear();
    frame.setCount(Rod::Milhar, 21);
    EXPECT_EQ(log.beads.size(), 20U);
    log.beads.clear();
    frame.addBead(Rod::Milhar); // past the capacity: nothing to redraw
    frame.press(Rod::Milhar);
    frame.press(Rod::Dezena); // empty rod
    EXPECT_TRUE(log.beads.empty());

    frame.setAnswer(Rod::Unidade, "7");
    frame.setAnswer(Rod::Unidade, "7");
    EXPECT_EQ(log.answers, std::vector<Rod>{Rod::Unidade});

    log.beads.clear();
    log.answers.clear();
    frame.clear();
    EXPECT_EQ(log.beads.size(), 22U) << "2 hundreds and 20 thousands were showing";
    EXPECT_EQ(log.answers, std::vector<Rod>{Rod::Unidade});
}

} // namespace
} // namespace ordel::test

namespace ordel::test {
namespace {

// The window passes on the button (1 left, 2 right, 4 middle), the modifier
// keys (1 Shift, 2 Ctrl, 4 Alt) and the position of a press; none of them
// changes what the press does.
TEST(PressHandlers, anyButtonAnyModifierAnywhereTakesOneBeadFromThatRod) {
    using Press = void (Ordel::*)(int, int, int, int);
    const std::pair<Press, Rod> areas[] = {{&Ordel::ImageMilhar_MouseDown, Rod::Milhar},
                                           {&Ordel::ImageCentena_MouseDown, Rod::Centena},
                                           {&Ordel::ImageDezena_MouseDown, Rod::Dezena},
                                           {&Ordel::ImageUnidade_MouseDown, Rod::Unidade}};
    const int presses[][4] = {{1, 0, 0, 0},   {2, 0, 5, 5},   {4, 0, 130, 250},
                              {1, 1, 60, 10}, {1, 2, 1, 1},   {1, 4, 99, 0},
                              {2, 7, 0, 260}, {3, 3, -1, -1}, {0, 0, 0, 0}};
    for (const auto& [handler, rod] : areas) {
        Harness h;
        h.start();
        h.board(12, 12, 12, 12);
        int expected = 12;
        for (const auto& p : presses) {
            (h.ordel.*handler)(p[0], p[1], p[2], p[3]);
            --expected;
            ASSERT_EQ(h.ordel.frame().count(rod), expected)
                << "button " << p[0] << " shift " << p[1];
        }
        for (Rod other : kAllRods) {
            if (other != rod) {
                EXPECT_EQ(h.ordel.frame().count(other), 12);
            }
        }
        EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
        h.ordel.MNuDesfazer_Click();
        EXPECT_EQ(h.ordel.frame().count(rod), expected) << "the menu item removes nothing";
    }
}

} // namespace
} // namespace ordel::test
