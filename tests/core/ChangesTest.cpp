#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordel::test {
namespace {

// Logs what a view is told, in order, as short words: "Legenda" for a label,
// "menu" for the operation menu, "U3" for bead 3 of the units rod, "box U"
// for the units answer box.
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
        events.push_back(names[static_cast<int>(id)]);
    }
    void operationMenuChanged() override { events.emplace_back("menu"); }

    std::vector<std::string> take() { return std::exchange(events, {}); }
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

struct Watched : Harness {
    Watched() { ordel.setObserver(&log); }
    ChangeLog log;
};

TEST(Changes, startUpSetsTheLevelAndNumberThenHidesTheArithmeticWidgetsInOrder) {
    Watched w;
    w.start(3, 7);
    EXPECT_EQ(w.log.take(), (Events{"Legenda", "Numero2", "menu", "Label2", "Numero1", "Símbolo"}));
}

TEST(Changes, avancadoShowsTheWidgetsThenWritesOnlyTheCaptionsThatChange) {
    Watched w;
    w.start(3, 7);
    w.log.take();
    w.ordel.MnuAvançado_Click(); // 3 + 7: Numero2 already shows 7
    EXPECT_EQ(w.log.take(), (Events{"Legenda", "menu", "Label2", "Numero1", "Símbolo", "Numero1",
                                    "Resultado", "Símbolo"}));
    EXPECT_EQ(w.caption(LabelId::Resultado), "10");
}

TEST(Changes, anExerciseWritesItsFourCaptionsInOrderThenClearsTheBoard) {
    Watched w;
    w.start(3, 7);
    w.ordel.MnuAvançado_Click();
    w.ordel.Comando_Dezena_Click();
    w.ordel.Comando_Dezena_Click();
    w.log.take();
    w.random.queue({2, 9});
    w.ordel.MnuDivisão_Click(); // 9 : 2
    EXPECT_EQ(w.log.take(), (Events{"Numero1", "Numero2", "Resultado", "Símbolo", "D1", "D2"}));
}

TEST(Changes, theCheckFillsTheBoxesUnitsFirstAndAClearingEmptiesThemInTheSameOrder) {
    Watched w;
    w.start(3, 7);
    w.log.take();
    w.ordel.Comando_Milhar_Click();
    w.ordel.Comando_Unidade_Click();
    EXPECT_EQ(w.log.take(), (Events{"M1", "U1"}));
    w.ordel.Cmd_Corrigir_Click(); // wrong: 1 unit, not 7
    EXPECT_EQ(w.log.take(), (Events{"box U", "box D", "box C", "box M"}));
    w.ordel.LimpaCampo();
    // The clearing walks the bead places 1 to 70, units before thousands.
    EXPECT_EQ(w.log.take(), (Events{"U1", "M1", "box U", "box D", "box C", "box M"}));
}

TEST(Changes, nothingIsReportedWhenNothingChanges) {
    Watched w;
    w.start(3, 7);
    w.log.take();
    w.ordel.LimpaCampo();
    w.ordel.MNuDesfazer_Click();
    w.ordel.ImageCentena_MouseDown(1, 0, 0, 0); // empty rod
    w.ordel.setCaption(LabelId::Numero2, "7");
    EXPECT_TRUE(w.log.events.empty());
    w.random.queue({1, 4});
    w.ordel.MnuIniciante_Click(); // Enter: a new pair; of what is shown only Numero2 changes
    EXPECT_EQ(w.log.take(), (Events{"Numero2"}));
}

} // namespace
} // namespace ordel::test
