// Coverage-guided fuzzing of the core with libFuzzer. The input is read as a
// run of what a pupil does: the events of tests/support/Play.h and two more.
// After every event the rules there must hold, and the expected number built on
// the rods must be taken as right; a broken rule aborts with its text.

#include "support/Play.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        right = text == "Muito bem, você acertou !!!";
        check(title == "Ordel" && icon == MessageIcon::None &&
                      (right || text == "Tente Novamente !!!")
                  ? nullptr
                  : "a verdict of the check, titled Ordel, with no icon");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    Ordel o(input, input);
    o.Form_Load();
    while (input.front < input.back) {
        // The operations only while their menu is shown. B puts the rods at the
        // digits of the number the check expects and checks them; S puts a rod
        // at a count, at times near the largest int: billions of clicks at once.
        const int n = input.next(), how = input.next();
        const char event = "MCDUzIA1234+-x:?ELmcduBS"[n % 24];
        if (event == 'B') {
            const int expected = std::stoi(
                o.label(o.atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado).caption);
            const int digits[] = {expected / 1000, expected / 100 % 10, expected / 10 % 10,
                                  expected % 10};
            for (std::size_t i = 0; i < 4; ++i)
                o.setCount(kAllRods[i], digits[i]);
            o.Cmd_Corrigir_Click();
            check(input.right ? nullptr : "the expected number's digits are taken as right");
        } else if (event == 'S') {
            o.setCount(kAllRods[how & 3], how & 128 ? INT_MAX - (how >> 2 & 31) : how >> 2);
        } else if (o.operationMenuVisible() || std::string_view("+-x:").find(event) > 3) {
            play(o, event, how);
        }
        check(brokenRule(o));
    }
    return 0;
}
