#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace ordel::test {
namespace {

using AddHandler = void (Ordel::*)();
using PressHandler = void (Ordel::*)(int, int, int, int);
struct RodCase {
    Rod rod;
    int capacity;
    AddHandler add;
    PressHandler press;
};
const RodCase kRodCases[] = {
    {Rod::Milhar, 20, &Ordel::Comando_Milhar_Click, &Ordel::ImageMilhar_MouseDown},
    {Rod::Centena, 40, &Ordel::Comando_Centena_Click, &Ordel::ImageCentena_MouseDown},
    {Rod::Dezena, 70, &Ordel::Comando_Dezena_Click, &Ordel::ImageDezena_MouseDown},
    {Rod::Unidade, 60, &Ordel::Comando_Unidade_Click, &Ordel::ImageUnidade_MouseDown},
};

// Past the capacity only the count rises; presses bring it back down to the
// capacity with every bead still showing, and only then hide beads. Presses
// come with any button (1 left, 2 right, 4 middle), modifiers (1 Shift,
// 2 Ctrl, 4 Alt) and position, none of which matters.
TEST(Rods, fillPastTheirCapacityAndGiveBeadsBackOneAPress) {
    const int presses[][4] = {{1, 0, 0, 0}, {2, 0, 5, 5}, {4, 1, 130, 250}, {1, 2, -1, 9},
                              {2, 7, 0, 0}, {3, 4, 1, 1}, {0, 0, 0, 0}};
    for (const RodCase& r : kRodCases) {
        SCOPED_TRACE(info(r.rod).letter);
        Harness h;
        h.start();
        h.board(5, 5, 5, 5);
        for (int i = 5; i < r.capacity + 3; ++i)
            (h.ordel.*r.add)();
        EXPECT_EQ(h.count(r.rod), r.capacity + 3);
        EXPECT_EQ(h.ordel.frame().countText(r.rod), std::to_string(r.capacity + 3));
        EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
        for (int i = 0; i < 7; ++i) {
            (h.ordel.*r.press)(presses[i][0], presses[i][1], presses[i][2], presses[i][3]);
            EXPECT_EQ(h.count(r.rod), r.capacity + 2 - i);
            EXPECT_EQ(h.ordel.frame().beadVisible(r.rod, r.capacity), i < 3) << "press " << i;
            EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
            EXPECT_EQ(h.ordel.HasteMarcada(), " ");
        }
        for (const RodCase& other : kRodCases) {
            if (other.rod != r.rod) {
                EXPECT_EQ(h.count(other.rod), 5);
            }
        }
    }
}

TEST(Rods, anEmptyRodAndTheMenuItemRemoveNothing) {
    Harness h;
    h.start();
    EXPECT_EQ(h.ordel.HasteMarcada(), "");
    h.board(2, 0, 70, 61);
    h.ordel.MNuDesfazer_Click(); // nothing marked: the menu never marks a rod
    h.ordel.ImageCentena_MouseDown(1, 0, 0, 0);
    h.ordel.MNuDesfazer_Click();
    EXPECT_EQ(h.ordel.HasteMarcada(), " ");
    EXPECT_EQ(h.counts(), (std::array{2, 0, 70, 61}));
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
}

TEST(Rods, aCountAtTheLargestIntStaysThereInsteadOfOverflowing) {
    Harness h;
    h.start();
    h.ordel.setCount(Rod::Unidade, std::numeric_limits<int>::max() - 1);
    h.board(0, 0, 0, 2);
    EXPECT_EQ(h.count(Rod::Unidade), std::numeric_limits<int>::max());
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
}

TEST(Rods, theClearingHidesEveryBeadEmptiesTheBoxesAndKeepsTheMarker) {
    Harness h;
    h.start();
    h.board(21, 41, 71, 61);
    h.ordel.Cmd_Corrigir_Click(); // fills the boxes
    h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
    h.ordel.LimpaCampo();
    for (Rod rod : kAllRods) {
        EXPECT_EQ(h.ordel.frame().countText(rod), "0");
        EXPECT_EQ(h.ordel.frame().answer(rod), "");
    }
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
    EXPECT_EQ(h.ordel.HasteMarcada(), " ");
}

} // namespace
} // namespace ordel::test
