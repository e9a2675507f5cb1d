#include "support/Harness.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

namespace ordel::test {

// From a board with the given counts, the events (see kEvents), and then what
// a view was told and the counts. Only real changes are told: a bead shown or
// hidden, a count that rose or fell, a box or a label that changed.
// clang-format off
struct FrameRow { const char* name; std::array<int, kRodCount> counts; const char* events; std::string told; };
// clang-format on

TEST(Frame, countsBeadsAndMarkerChangeByTheRulesAndAViewIsToldOfEachChange) {
    // clang-format off
    const FrameRow rows[] = {
        // Past the capacity only the count rises; presses bring it back to the
        // capacity with every bead still shown, and only then hide beads. The
        // marker names the rod while its bead comes off, and is blank after.
        {"thousands past 20", {19, 5, 5, 5}, "MMmmm", "M20 #M[] #M[] #M[M] M20 #M[M] M19 #M[M] | 18/5/5/5"},
        {"hundreds past 40", {5, 39, 5, 5}, "CCccc", "C40 #C[] #C[] #C[C] C40 #C[C] C39 #C[C] | 5/38/5/5"},
        {"tens past 70", {5, 5, 69, 5}, "DDddd", "D70 #D[] #D[] #D[D] D70 #D[D] D69 #D[D] | 5/5/68/5"},
        {"units past 60", {5, 5, 5, 59}, "UUuuu", "U60 #U[] #U[] #U[U] U60 #U[U] U59 #U[U] | 5/5/5/58"},
        // "Desfazer" with no rod marked and a press on an empty rod remove
        // nothing; a check writes the counts into the boxes, once.
        {"no rod marked, empty rod, two checks", {}, "MUUzc??", "M1 #M[] U1 #U[] U2 #U[] boxU boxD boxC boxM | 1/0/0/2"},
        // The clearing walks bead places 1 to 70, units first, then the counts,
        // and keeps the marker.
        {"clearing", {1, 0, 0, 2}, "uL", "U2 #U[U] U1 M1 #U[ ] #M[ ] | 0/0/0/0"},
        {"a count at the largest int stays", {0, 0, 0, INT_MAX - 1}, "UU", "#U[] | 0/0/0/2147483647"},
        // "Avançado" shows the operation menu and the arithmetic and sets 3 + 7;
        // Numero2, which shows 7 already, is not told.
        {"Avançado", {}, "A", "Legenda menu Label2 Numero1 Símbolo Numero1 Resultado Símbolo | 0/0/0/0"},
    };
    // clang-format on
    for (const FrameRow& row : rows) {
        SCOPED_TRACE(row.name);
        Harness h;
        h.board(row.counts);
        h.told.clear();
        h.board(row.counts); // nothing changes, so nothing is told
        h.play(row.events);
        EXPECT_EQ(h.told + "| " + h.rods(), row.told);
        EXPECT_STREQ(brokenRule(h.ordel), nullptr);
    }
}

} // namespace ordel::test
