// Speed of the program's handlers. The one that matters is a multiplication in
// mode "Milhar": it accepts about one pair in 2078, each with a reseed from the
// clock, all inside one click.

#include "exercises/Ordel.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ordel;

class SilentMessageBox : public MessageBox {
public:
    void show(std::string_view, std::string_view, MessageIcon) override {}
};

// Counts the draws that go through the real source.
class CountingRandom : public RandomSource {
public:
    void reseed() override {
        ++pairs;
        real.reseed();
    }
    int uniform(int k) override { return real.uniform(k); }
    ClockSeededRandom real;
    std::int64_t pairs = 0;
};

void BM_MultiplicationMilhar(benchmark::State& state) {
    CountingRandom random;
    SilentMessageBox messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();
    ordel.MnuAvançado_Click();
    random.pairs = 0;
    for (auto _ : state) {
        // A fresh pair first, as after a correct answer: a multiplication of
        // the pair held now would be accepted at once and draw nothing.
        ordel.MnuMilhar_Click();
        ordel.MnuMultiplicação_Click();
        benchmark::DoNotOptimize(ordel.Total());
    }
    state.counters["pairs_per_call"] =
        benchmark::Counter(static_cast<double>(random.pairs) / state.iterations());
}
BENCHMARK(BM_MultiplicationMilhar)->Unit(benchmark::kMicrosecond);

// The floor of one draw: a reseed from the clock and two values.
void BM_OnePair(benchmark::State& state) {
    ClockSeededRandom random;
    for (auto _ : state) {
        random.reseed();
        benchmark::DoNotOptimize(random.uniform(20999));
        benchmark::DoNotOptimize(random.uniform(20999));
    }
}
BENCHMARK(BM_OnePair);

} // namespace

BENCHMARK_MAIN();
