// Coverage-guided fuzzing of the core with libFuzzer. The input is read as a
// run of what a pupil does: the events of tests/support/Play.h and two more.
// After every event the rules there must hold, and the expected number built on
// the rods must be taken as right; a broken rule aborts with its text.

#include "exercises/Texts.h"
#include "support/Play.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

using namespace ordel;

void check(const char* broken) {
    if (broken != nullptr)
        (std::fprintf(stderr, "broken rule: %s\n", broken), std::abort());
}

// Events come from the front of the input; the random source's values from the
// back, two bytes each while they last, then 1s, on which every redraw loop ends.
struct Input final : RandomSource, MessageBox {
    Input(const std::uint8_t* bytes, std::size_t size) : data(bytes), back(size) {}
    const std::uint8_t* data;
    std::size_t front = 0, back;
    bool right = false; // the last verdict of the check

    int next() { return front < back ? data[front++] : 0; }
    void reseed() override {}
    int uniform(int k) override {
        if (back - front < 2)
            return 1;
        back -= 2;
        return (data[back] << 8 | data[back + 1]) % k + 1;
    }
    void show(std::string_view text, std::string_view /*title*/, MessageIcon /*icon*/) override {
        right = text == texts::kCorrect;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    Ordel o(input, input);
    o.Form_Load();
    while (input.front < input.back) {
        // The table's events, then B and S. The operations only while their
        // menu is shown. B puts the rods at the digits of the number the check
        // expects and checks them; S puts a rod at a count, at times near the
        // largest int: billions of clicks at once.
        const int n = input.next(), how = input.next();
        const std::size_t pick = static_cast<std::size_t>(n) % (std::size(kEvents) + 2);
        if (pick == std::size(kEvents)) {
            spell(
                o,
                std::stoi(
                    o.label(o.atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado).caption));
            o.Cmd_Corrigir_Click();
            check(input.right ? nullptr : "the expected number's digits are taken as right");
        } else if (pick > std::size(kEvents)) {
            o.setCount(kAllRods[static_cast<std::size_t>(how) % kRodCount],
                       how & 128 ? INT_MAX - (how >> 2 & 31) : how >> 2);
        } else if (o.operationMenuVisible() ||
                   std::string_view("+-x:").find(kEvents[pick].key) > 3) {
            kEvents[pick].act(o, how);
        }
        check(brokenRule(o));
    }
    return 0;
}
