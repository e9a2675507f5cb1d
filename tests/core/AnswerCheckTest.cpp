#include "exercises/Texts.h"
#include "support/Harness.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace ordel::test {

// The counts are written into the answer boxes and joined, thousands first,
// without carrying. Leading empty rods are left out; at level "Iniciante" only
// the mode's rods are read. A wrong answer changes nothing else, however often
// it is checked; a right one clears the frame and the boxes and sets the next
// exercise of the same kind.
//
// A row is a mode at level "Iniciante" whose draw is the number expected, or a
// subtraction in mode "Milhar" at level "Avançado" whose result it is; the
// counts; the number; whether the counts spell it.
// clang-format off
struct CheckRow { const char* name; const char* events; std::array<int, kRodCount> counts; int expected; bool right; };
// clang-format on

TEST(AnswerCheck, spellsTheAnswerFromTheCountsAndMovesOnWhenRight) {
    // clang-format off
    const CheckRow rows[] = {
        {"Centena reads three rods", "3", {3, 1, 0, 5}, 105, true},
        {"no carrying", "2", {0, 0, 4, 12}, 52, false},
        {"counts are joined", "4", {1, 35, 0, 7}, 13507, true},
        {"Unidade reads the units only", "1", {9, 9, 9, 3}, 3, true},
        {"the largest number", "4", {20, 9, 9, 9}, 20999, true},
        {"an empty rod between", "4", {0, 3, 0, 5}, 305, true},
        {"a rod above the mode's is not read", "3", {5, 0, 0, 42}, 42, true},
        {"empty units are written as 0", "3", {0, 0, 4, 0}, 40, true},
        {"an empty rod in the middle is a 0", "3", {0, 3, 5, 0}, 305, false},
        {"Avançado reads four rods", "A4-", {0, 1, 0, 5}, 105, true},
        {"an empty board spells 0", "A4-", {0, 0, 0, 0}, 0, true},
        {"empty rods below are 0s", "A4-", {0, 2, 0, 0}, 2, false},
    };
    // clang-format on
    for (const CheckRow& row : rows) {
        SCOPED_TRACE(row.name);
        Harness h;
        const bool beginner = row.events[0] != 'A';
        h.play(row.events, {1, beginner ? row.expected : 1, row.expected + 1, 1});
        h.board(row.counts);
        const std::string before = h.view(), levelAndMode = before.substr(0, before.find(' ', 10));
        h.queued = {2, 2, 2, 2}; // the next exercise
        h.play(row.right ? "?" : "??");
        const std::string said(row.right ? texts::kCorrect : texts::kWrong);
        EXPECT_EQ(h.texts, std::vector(row.right ? 1 : 2, said));
        EXPECT_EQ(h.rods(true), row.right ? "///" : h.rods());
        EXPECT_EQ(h.view(),
                  row.right ? levelAndMode + (beginner ? " 2=" : " 2-2=0") + " 0/0/0/0" : before);
    }
}

// The texts the pupil reads, word for word and sign for sign; every other
// test takes them from these constants.
TEST(Texts, areThePupilsWordForWord) {
    EXPECT_EQ(texts::kCorrect, "Muito bem, você acertou !!!");
    EXPECT_EQ(texts::kWrong, "Tente Novamente !!!");
    std::string words;
    for (std::string_view word :
         {texts::kProgramTitle, texts::kIniciante, texts::kAvancado, texts::kEquals,
          texts::kUnidade, texts::kDezena, texts::kCentena, texts::kMilhar, texts::kPlus,
          texts::kMinus, texts::kTimes, texts::kDividedBy})
        words.append(word) += '|';
    EXPECT_EQ(words, "Ordel|Iniciante|Avançado|=|Unidade|Dezena|Centena|Milhar|+|-|x|:|");
}

} // namespace ordel::test
