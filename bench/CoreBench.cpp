// Speed of the program's handlers, each against the floor of what it cannot
// avoid: a reseed from the clock and two draws per pair of operands.
//
// The one that matters is a multiplication in mode "Milhar": it accepts about
// one pair in 2078, all inside one click. Its floor is measured in the same
// run, call by call: right after each call, the same number of bare pairs in
// a plain loop. The counter x_floor is the median of those ratios.
//
// Every other handler is timed per call and shown against one bare pair
// (x_pair), measured when the run starts; "pairs" says how many it drew.

#include "exercises/Ordel.h"
#include "exercises/Texts.h"
#include "support/Play.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace ordel;
using Clock = std::chrono::steady_clock;

class LastMessage : public MessageBox {
public:
    void show(std::string_view text, std::string_view, MessageIcon) override { last = text; }
    std::string_view last;
};

// Counts the pairs drawn through the real source.
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

// The floor: n pairs, each a reseed from the clock and two draws.
void barePairs(ClockSeededRandom& random, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        random.reseed();
        benchmark::DoNotOptimize(random.uniform(20999));
        benchmark::DoNotOptimize(random.uniform(20999));
    }
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

double onePairSeconds = 0; // measured in main, before any benchmark

void BM_MultiplicationMilhar(benchmark::State& state) {
    CountingRandom random;
    LastMessage messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();
    ordel.MnuAvançado_Click();
    ClockSeededRandom floorRandom;
    std::vector<double> calls, floors, ratios;
    std::int64_t pairs = 0;
    for (auto _ : state) {
        const std::int64_t before = random.pairs;
        const auto start = Clock::now();
        // A fresh pair first, as after a correct answer: a multiplication of
        // the pair held now would be accepted at once and draw nothing.
        ordel.MnuMilhar_Click();
        ordel.MnuMultiplicação_Click();
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(ordel.Total());
        const std::int64_t drawn = random.pairs - before;
        barePairs(floorRandom, drawn);
        const auto end = Clock::now();

        const double call = seconds(middle - start);
        state.SetIterationTime(call);
        calls.push_back(call);
        floors.push_back(seconds(end - middle));
        ratios.push_back(call / std::max(seconds(end - middle), 1e-9));
        pairs += drawn;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["pairs"] = static_cast<double>(pairs) / iterations;
    state.counters["median_us"] = median(calls) * 1e6;
    state.counters["floor_us"] = median(floors) * 1e6;
    state.counters["x_floor"] = median(ratios);
}
BENCHMARK(BM_MultiplicationMilhar)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Every other handler: how the core is made ready, and the call timed.
struct Handler {
    const char* name;
    std::function<void(Ordel&)> ready;
    std::function<void(Ordel&)> call;
};

void none(Ordel& /*o*/) {}

void advanced(Ordel& o) {
    o.MnuAvançado_Click();
    o.MnUnidade_Click();
}

// An addition at level "Avançado".
void addition(Ordel& o) {
    advanced(o);
    o.MnuAdição_Click();
}

// Each operation from a fresh pair in mode "Unidade".
template <void (Ordel::*operation)()> void freshPair(Ordel& o) {
    o.MnUnidade_Click();
    (o.*operation)();
}

// A press removes a bead: each call adds one first.
template <void (Ordel::*add)(), void (Ordel::*press)(int, int, int, int)>
void addAndPress(Ordel& o) {
    (o.*add)();
    (o.*press)(1, 0, 0, 0);
}

const std::vector<Handler>& handlers() {
    static const std::vector<Handler> table{
        {"Comando_Milhar_Click", none, &Ordel::Comando_Milhar_Click},
        {"Comando_Centena_Click", none, &Ordel::Comando_Centena_Click},
        {"Comando_Dezena_Click", none, &Ordel::Comando_Dezena_Click},
        {"Comando_Unidade_Click", none, &Ordel::Comando_Unidade_Click},
        {"Comando_Unidade+ImageUnidade_MouseDown", none,
         addAndPress<&Ordel::Comando_Unidade_Click, &Ordel::ImageUnidade_MouseDown>},
        {"Comando_Milhar+ImageMilhar_MouseDown", none,
         addAndPress<&Ordel::Comando_Milhar_Click, &Ordel::ImageMilhar_MouseDown>},
        {"MNuDesfazer_Click", none, &Ordel::MNuDesfazer_Click},
        {"MnuIniciante_Click", none, &Ordel::MnuIniciante_Click},
        {"MnuAvançado_Click", none, &Ordel::MnuAvançado_Click},
        {"MnUnidade_Click", none, &Ordel::MnUnidade_Click},
        {"mnuDezena_Click", none, &Ordel::mnuDezena_Click},
        {"MNucentena_Click", none, &Ordel::MNucentena_Click},
        {"MnuMilhar_Click", none, &Ordel::MnuMilhar_Click},
        {"MnuAdição_Click", advanced, freshPair<&Ordel::MnuAdição_Click>},
        {"MnuSubtração_Click", advanced, freshPair<&Ordel::MnuSubtração_Click>},
        {"MnuMultiplicação_Click", advanced, freshPair<&Ordel::MnuMultiplicação_Click>},
        {"MnuDivisão_Click", advanced, freshPair<&Ordel::MnuDivisão_Click>},
        // Right: the board spells the result; the check then sets the next one.
        {"Cmd_Corrigir_Click/right", addition,
         [](Ordel& o) {
             spell(o, o.Total());
             o.Cmd_Corrigir_Click();
         }},
        {"Cmd_Corrigir_Click/wrong",
         [](Ordel& o) {
             addition(o);
             o.setCount(Rod::Milhar, 25);
         },
         &Ordel::Cmd_Corrigir_Click},
        {"LimpaCampo", none, &Ordel::LimpaCampo},
        {"Enter", advanced, &Ordel::Enter},
    };
    return table;
}

void BM_Handler(benchmark::State& state, const Handler* handler) {
    CountingRandom random;
    LastMessage messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();
    handler->ready(ordel);
    random.pairs = 0;
    const auto start = Clock::now();
    for (auto _ : state) {
        handler->call(ordel);
        benchmark::ClobberMemory();
    }
    const double perCall = seconds(Clock::now() - start) / static_cast<double>(state.iterations());
    // The two checks must have judged the board as their names say.
    const bool right = messages.last == texts::kCorrect;
    const std::string_view name = handler->name;
    if ((name.ends_with("/right") && !right) || (name.ends_with("/wrong") && right))
        state.SkipWithError("the check judged the board otherwise");
    const double pairs =
        static_cast<double>(random.pairs) / static_cast<double>(state.iterations());
    state.counters["pairs"] = pairs;
    // Wall time per call over one bare pair's.
    state.counters["x_pair"] = perCall / onePairSeconds;
}

// The floor of one pair, on its own.
void BM_OnePair(benchmark::State& state) {
    ClockSeededRandom random;
    for (auto _ : state)
        barePairs(random, 1);
}
BENCHMARK(BM_OnePair);

} // namespace

int main(int argc, char** argv) {
    // One bare pair's time, for the ratios of the handlers: the best of a few
    // plain loops, taken before any benchmark runs.
    ClockSeededRandom random;
    constexpr std::int64_t kPairs = 200000;
    double best = 1;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        barePairs(random, kPairs);
        best = std::min(best, seconds(Clock::now() - start) / kPairs);
    }
    onePairSeconds = best;

    for (const Handler& h : handlers())
        benchmark::RegisterBenchmark((std::string("BM_Handler/") + h.name).c_str(), BM_Handler, &h);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
