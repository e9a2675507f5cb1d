#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordel::test {
namespace {

// Logs what a view is told, in order: a label's name, "menu" for the
// operation menu, "U3" for bead 3 of the units rod, "box U" for an answer box.
class ChangeLog : public StateObserver {
public:
    void beadChanged(Rod rod, int bead) override {
        events.push_back(std::string(info(rod).letter) + std::to_string(bead));
    }
    void answerChanged(Rod rod) override {
        events.push_back("box " + std::string(info(rod).letter));
    }
    void labelChanged(LabelId id) override {
        static const char* const names[] = {"Legenda", "Numero1",   "Numero2",
                                            "Símbolo", "Resultado", "Label2"};
        events.emplace_back(names[static_cast<int>(id)]);
    }
    void operationMenuChanged() override { events.emplace_back("menu"); }
    void countChanged(Rod rod) override { counted.push_back(rod); }
    std::vector<std::string> take() { return std::exchange(events, {}); }
    std::vector<std::string> events;
    std::vector<Rod> counted; // kept apart: counts change with or without beads
};

using Events = std::vector<std::string>;

// A view learns of exactly what changed, in the order it changed, and of
// nothing that stayed as it was.
TEST(Changes, aViewIsToldOfEveryChangeInOrderAndOfNothingElse) {
    Harness h;
    ChangeLog log;
    h.ordel.setObserver(&log);
    h.start(3, 7);
    EXPECT_EQ(log.take(), (Events{"Legenda", "Numero2", "menu", "Label2", "Numero1", "Símbolo"}));

    h.ordel.MnuAvançado_Click(); // 3 + 7: Numero2 already shows 7
    EXPECT_EQ(log.take(), (Events{"Legenda", "menu", "Label2", "Numero1", "Símbolo", "Numero1",
                                  "Resultado", "Símbolo"}));

    h.board(1, 0, 2, 0);
    h.random.queue({2, 9});
    h.ordel.MnuDivisão_Click(); // 9 : 2
    EXPECT_EQ(log.take(), (Events{"M1", "D1", "D2", "Numero1", "Numero2", "Resultado", "Símbolo",
                                  "D1", "M1", "D2"}));

    h.board(1, 0, 0, 1);
    h.ordel.Cmd_Corrigir_Click(); // wrong
    EXPECT_EQ(log.take(), (Events{"M1", "U1", "box U", "box D", "box C", "box M"}));

    h.ordel.ImageMilhar_MouseDown(1, 0, 0, 0);
    h.ordel.LimpaCampo(); // the clearing walks the bead places 1 to 70, units first
    EXPECT_EQ(log.take(), (Events{"M1", "U1", "box U", "box D", "box C", "box M"}));

    h.ordel.LimpaCampo();
    h.ordel.MNuDesfazer_Click();
    h.ordel.ImageCentena_MouseDown(1, 0, 0, 0);
    h.ordel.setCaption(LabelId::Numero2, "2");
    log.counted.clear();
    h.board(0, 0, 0, 61);
    h.ordel.Comando_Unidade_Click();
    EXPECT_EQ(log.take().size(), 60U) << "only beads 1 to 60 of the units rod changed";
    EXPECT_EQ(log.counted, std::vector<Rod>(62, Rod::Unidade)) << "past the capacity too";
    h.ordel.ImageUnidade_MouseDown(1, 0, 0, 0); // 62 to 61: no bead hidden
    h.ordel.ImageCentena_MouseDown(1, 0, 0, 0); // empty: no count changed
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(log.counted.size(), 63U);
}

} // namespace
} // namespace ordel::test
