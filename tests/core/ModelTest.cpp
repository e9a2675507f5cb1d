#include "exercises/Ordel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// A second reading of the rules of the frame, the exercises and the check,
// written out plainly and sharing nothing with the program but the random
// source's interface. The two run side by side over long random runs of
// everything a pupil can do and must show the same after every event; on a
// difference the test prints the shortest run it finds that shows it.

namespace ordel::test {
namespace {

// The same stream for both sides, restarted from each event's own salt: an
// event draws the same values wherever it stands, so dropping events while
// shrinking a run leaves the others' draws alone. The trace records every
// reseed and every range asked for.
struct Stream : RandomSource {
    void restart(std::uint64_t salt) { state = salt; }
    void reseed() override { trace = trace * 31 + 1; }
    int uniform(int k) override {
        trace = trace * 31 + static_cast<std::uint64_t>(k);
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(k)) + 1;
    }
    std::uint64_t trace = 0, state = 0;
};

struct Shown : MessageBox {
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        log.append(text).append("|").append(title).append(icon == MessageIcon::None ? "; "
                                                                                    : "|i; ");
    }
    std::string log;
};

// The events: kAdd + rod (M, C, D, U) adds a bead, kPress + rod presses an
// area with button a and modifiers b, kMode + 0 to 3 chooses "Unidade" to
// "Milhar", kOperation + 0 to 3 chooses "+", "-", "x", ":". kSetCount puts rod
// a at count b at once: a stand-in for the billions of clicks that reach the
// top of a count.
constexpr int kAdd = 0, kDesfazer = 4, kIniciante = 5, kAvancado = 6, kMode = 7, kOperation = 11,
              kCorrigir = 15, kPress = 16, kSetCount = 20;
struct Event {
    int kind, a = 0, b = 0;
    std::uint64_t salt = 0;
};

// The model. Rods are 0 to 3: thousands, hundreds, tens, units. The beads shown
// on a rod are 1 to min(count, capacity).
struct Model {
    explicit Model(RandomSource& random) : rnd(random) {}
    RandomSource& rnd;
    std::string shown, resp[4], haste, legenda, numero1, numero2, simbolo, resultado, casa;
    int conta[4] = {}, valor1 = 0, valor2 = 0, total = 0;
    bool arithmeticShown = true; // MnuJogo, Label2, Numero1 and Símbolo
    static constexpr int cap[4] = {20, 40, 70, 60};
    static constexpr const char* words[4] = {"Milhar", "Centena", "Dezena", "Unidade"};
    static constexpr int limits[4] = {20999, 999, 99, 9};

    void desfazer() {
        const auto r = haste.size() == 1 ? std::string_view("MCDU").find(haste[0]) : 4;
        if (r < 4 && conta[r] > 0)
            --conta[r];
        haste = " ";
    }
    void limpaCampo() {
        arithmeticShown = legenda != "Iniciante";
        std::fill(std::begin(resp), std::end(resp), "");
        std::fill(std::begin(conta), std::end(conta), 0);
    }
    void mode(int m) { // 0 "Milhar" to 3 "Unidade", the rod of the mode's highest place
        valor1 = m == 0 ? 21000 : 20000;
        while (valor1 > limits[m] || valor2 > limits[m]) {
            rnd.reseed();
            valor1 = rnd.uniform(limits[m]);
            valor2 = rnd.uniform(limits[m]);
        }
        if (legenda == "Iniciante")
            numero2 = std::to_string(valor2);
        casa = words[m];
    }
    [[nodiscard]] int modeOfCasa() const { return int(std::find(words, words + 4, casa) - words); }
    void drawInCasa() {
        if (modeOfCasa() < 4)
            mode(modeOfCasa());
    }
    [[nodiscard]] int compute(char sign) const {
        return sign == '+'   ? valor1 + valor2
               : sign == '-' ? valor1 - valor2
               : sign == 'x' ? valor1 * valor2
                             : valor1 / valor2;
    }
    void operation(char sign) {
        const bool fresh = sign == '-' || sign == ':';
        total = fresh ? 29999 : compute(sign);
        while (total > 20999) {
            drawInCasa();
            if (fresh && valor1 < valor2)
                std::swap(valor1, valor2);
            total = compute(sign);
        }
        numero1 = std::to_string(valor1);
        numero2 = std::to_string(valor2);
        resultado = std::to_string(total);
        simbolo = std::string(1, sign);
        limpaCampo();
    }
    void enter() {
        drawInCasa();
        if (simbolo == "+" || simbolo == "-" || simbolo == "x" || simbolo == ":")
            operation(simbolo[0]);
        limpaCampo();
    }
    void corrigir() {
        for (int r = 3; r >= 0; --r)
            resp[r] = std::to_string(conta[r]);
        const bool iniciante = legenda == "Iniciante";
        int top = iniciante ? modeOfCasa() : 0; // the highest rod read
        while (top < 3 && conta[top] == 0)
            ++top;
        std::string answer;
        for (int r = top; r < 4; ++r)
            answer += resp[r];
        if (answer != (iniciante ? numero2 : resultado)) {
            shown += "Tente Novamente !!!|Ordel; ";
            return;
        }
        shown += "Muito bem, você acertou !!!|Ordel; ";
        limpaCampo();
        enter();
    }
    void event(const Event& e) {
        const int k = e.kind;
        if (k < kDesfazer) {
            if (conta[k] < INT_MAX)
                ++conta[k];
        } else if (k == kDesfazer) {
            desfazer();
        } else if (k == kIniciante) {
            legenda = "Iniciante";
            enter();
        } else if (k == kAvancado) {
            legenda = "Avançado";
            limpaCampo();
            operation('+');
        } else if (k < kOperation) {
            mode(3 - (k - kMode));
        } else if (k < kCorrigir) {
            operation("+-x:"[k - kOperation]);
        } else if (k == kCorrigir) {
            corrigir();
        } else if (k < kSetCount) {
            haste = std::string(1, "MCDU"[k - kPress]);
            desfazer();
        } else {
            conta[e.a] = e.b;
        }
    }
};

constexpr const char* kNames[] = {
    "Comando_Milhar_Click",  "Comando_Centena_Click",  "Comando_Dezena_Click",
    "Comando_Unidade_Click", "MNuDesfazer_Click",      "MnuIniciante_Click",
    "MnuAvançado_Click",     "MnUnidade_Click",        "mnuDezena_Click",
    "MNucentena_Click",      "MnuMilhar_Click",        "MnuAdição_Click",
    "MnuSubtração_Click",    "MnuMultiplicação_Click", "MnuDivisão_Click",
    "Cmd_Corrigir_Click",    "ImageMilhar_MouseDown",  "ImageCentena_MouseDown",
    "ImageDezena_MouseDown", "ImageUnidade_MouseDown", "setCount"};
using Handler = void (Ordel::*)();
constexpr Handler kHandlers[] = {
    &Ordel::Comando_Milhar_Click,  &Ordel::Comando_Centena_Click,  &Ordel::Comando_Dezena_Click,
    &Ordel::Comando_Unidade_Click, &Ordel::MNuDesfazer_Click,      &Ordel::MnuIniciante_Click,
    &Ordel::MnuAvançado_Click,     &Ordel::MnUnidade_Click,        &Ordel::mnuDezena_Click,
    &Ordel::MNucentena_Click,      &Ordel::MnuMilhar_Click,        &Ordel::MnuAdição_Click,
    &Ordel::MnuSubtração_Click,    &Ordel::MnuMultiplicação_Click, &Ordel::MnuDivisão_Click,
    &Ordel::Cmd_Corrigir_Click};
using Press = void (Ordel::*)(int, int, int, int);
constexpr Press kPresses[] = {&Ordel::ImageMilhar_MouseDown, &Ordel::ImageCentena_MouseDown,
                              &Ordel::ImageDezena_MouseDown, &Ordel::ImageUnidade_MouseDown};
constexpr Rod kRod[4] = {Rod::Milhar, Rod::Centena, Rod::Dezena, Rod::Unidade};

struct SideBySide {
    explicit SideBySide(std::uint64_t seed) {
        programRandom.restart(seed);
        modelRandom.restart(seed);
        program.Form_Load();
        model.legenda = "Iniciante";
        model.mode(3);
        model.limpaCampo();
    }
    Stream programRandom, modelRandom;
    Shown box;
    Ordel program{programRandom, box};
    Model model{modelRandom};

    // One event on both sides; what the two then show differently, or nothing.
    // The operation items are hidden at level "Iniciante", so nobody clicks them.
    std::string step(const Event& e) {
        programRandom.restart(e.salt);
        modelRandom.restart(e.salt);
        if (e.kind >= kOperation && e.kind < kCorrigir && !model.arithmeticShown)
            return {};
        try {
            if (e.kind < kPress)
                (program.*kHandlers[e.kind])();
            else if (e.kind < kSetCount)
                (program.*kPresses[e.kind - kPress])(e.a, e.b, e.a * 37, e.b * 11);
            else
                program.setCount(kRod[e.a], e.b);
        } catch (const std::exception& x) {
            return std::string("the program threw: ") + x.what();
        }
        model.event(e);
        return difference();
    }

    std::string difference() {
        std::string d;
        auto same = [&d](std::string_view what, const auto& got, const auto& want) {
            if (d.empty() && !(got == want)) {
                std::ostringstream s;
                s << std::boolalpha << what << ": program [" << got << "], model [" << want << ']';
                d = s.str();
            }
        };
        same("messages", box.log, model.shown);
        const bool a = model.arithmeticShown;
        const std::pair<std::string, bool> labels[] = {{model.legenda, true},   {model.numero1, a},
                                                       {model.numero2, true},   {model.simbolo, a},
                                                       {model.resultado, true}, {"=", a}};
        const char* names[] = {"Legenda", "Numero1", "Numero2", "Símbolo", "Resultado", "Label2"};
        for (std::size_t i = 0; i < 6; ++i) {
            same(std::string(names[i]), program.label(kAllLabels[i]).caption, labels[i].first);
            same(names[i] + std::string(" shown"), program.label(kAllLabels[i]).visible,
                 labels[i].second);
        }
        same("MnuJogo shown", program.operationMenuVisible(), a);
        for (int r = 0; r < 4; ++r) {
            const std::string rod = std::string(" of rod ") + "MCDU"[r];
            for (int b = 0; b <= 71; ++b) {
                const bool visible = program.frame().beadVisible(kRod[r], b);
                if (visible != (b >= 1 && b <= std::min(model.conta[r], Model::cap[r])))
                    same("bead " + std::to_string(b) + rod, visible, !visible);
            }
            same("count" + rod, program.frame().count(kRod[r]), model.conta[r]);
            same("answer box" + rod, program.frame().answer(kRod[r]), model.resp[r]);
        }
        same("HasteMarcada", program.HasteMarcada(), model.haste);
        same("Casa", program.Casa(), model.casa);
        same("Valor1", program.Valor1(), model.valor1);
        same("Valor2", program.Valor2(), model.valor2);
        same("Total", program.Total(), model.total);
        same("draws and reseeds", programRandom.trace, modelRandom.trace);
        box.log.clear();
        model.shown.clear();
        return d;
    }
};

// The first difference when the events are replayed, and how many were applied.
std::string replay(std::uint64_t seed, const std::vector<Event>& events, std::size_t& applied) {
    SideBySide run(seed);
    std::string diff = run.difference();
    for (applied = 0; diff.empty() && applied < events.size(); ++applied)
        diff = run.step(events[applied]);
    return diff;
}

// Drops events, in halving chunks, while the difference persists, within a
// budget of replayed events.
std::vector<Event> shrink(std::uint64_t seed, std::vector<Event> events, std::size_t budget) {
    std::size_t applied = 0;
    for (std::size_t chunk = events.size() / 2; chunk > 0; chunk /= 2) {
        for (std::size_t i = 0; i + chunk <= events.size() && budget > events.size();) {
            budget -= events.size();
            std::vector<Event> fewer = events;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i),
                        fewer.begin() + static_cast<std::ptrdiff_t>(i + chunk));
            if (replay(seed, fewer, applied).empty()) {
                i += chunk;
                continue;
            }
            fewer.resize(applied);
            events = std::move(fewer);
            chunk = std::min(chunk, std::max<std::size_t>(events.size() / 2, 1));
        }
    }
    return events;
}

// What a pupil does next: mostly single clicks, presses and menu choices, and
// now and then a board built from the expected answer's digits, with rods of
// ten or more beads among them, sometimes one bead off, then checked.
void next(std::mt19937_64& pick, const Model& m, std::deque<Event>& out) {
    auto roll = [&pick](int n) {
        return static_cast<int>(pick() % static_cast<unsigned>(n));
    };
    const int r = roll(1000);
    if (r < 420)
        return out.push_back({kAdd + roll(4)});
    if (r < 520)
        return out.push_back({kPress + roll(4), 1 << roll(3), roll(8)}); // any button, modifiers
    if (r < 880) // the operation items only while their menu is shown
        return out.push_back({kDesfazer + roll(m.arithmeticShown ? 11 : 7)});
    if (r < 960)
        return out.push_back({kCorrigir});
    if (r < 962)
        return out.push_back({kSetCount, roll(4), INT_MAX - roll(3)});
    if (*std::max_element(m.conta, m.conta + 4) > 2000) // too many to press off: clear
        return out.push_back({m.legenda == "Iniciante" ? kIniciante : kAvancado});
    for (int rod = 0; rod < 4; ++rod)
        out.insert(out.end(), static_cast<std::size_t>(m.conta[rod]), Event{kPress + rod, 1});
    std::string digits = m.legenda == "Iniciante" ? m.numero2 : m.resultado;
    for (int rod = 3; rod >= 0 && !digits.empty(); --rod) {
        const int most = static_cast<int>(digits.size());
        const int len = rod == 0 ? most : std::min(most, 1 + (roll(8) == 0) + (roll(32) == 0));
        out.insert(out.end(), static_cast<std::size_t>(std::stoi(digits.substr(most - len))),
                   Event{kAdd + rod});
        digits.resize(static_cast<std::size_t>(most - len));
    }
    if (roll(4) == 0)
        out.push_back({(roll(2) == 0 ? kAdd : kPress) + roll(4), 2});
    out.push_back({kCorrigir});
}

std::string told(std::uint64_t seed, const std::vector<Event>& events) {
    std::ostringstream s;
    s << "seed " << seed << ", Form_Load then " << events.size() << " events:\n";
    for (std::size_t i = 0, n = 1; i < events.size(); i += n) {
        const Event& e = events[i];
        for (n = 1; i + n < events.size() && events[i + n].kind == e.kind && e.kind < kDesfazer;)
            ++n; // a run of clicks on one button is told once
        s << "  " << kNames[e.kind];
        if (e.kind >= kPress && e.kind < kSetCount)
            s << "(button " << e.a << ", shift " << e.b << ')';
        if (e.kind == kSetCount)
            s << "(rod "
              << "MCDU"[e.a] << ", " << e.b << ')';
        s << (n > 1 ? " x" + std::to_string(n) : "") << '\n';
    }
    std::size_t applied = 0;
    return s.str() + replay(seed, events, applied);
}

TEST(Model, agreesWithTheProgramOverLongRandomRuns) {
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
    std::size_t total = 200000; // builds without optimisation or with sanitizers are slower
#else
    std::size_t total = 1000000;
#endif
    if (const char* wanted = std::getenv("ORDEL_MODEL_EVENTS"))
        total = std::strtoull(wanted, nullptr, 10);
    for (std::uint64_t seed : {11U, 22U, 33U, 20261206U}) {
        std::mt19937_64 pick(seed);
        SideBySide run(seed);
        std::vector<Event> events;
        std::deque<Event> queued;
        std::string diff = run.difference();
        while (diff.empty() && events.size() < total / 4) {
            if (queued.empty())
                next(pick, run.model, queued);
            events.push_back(queued.front());
            events.back().salt = pick();
            queued.pop_front();
            diff = run.step(events.back());
        }
        ASSERT_TRUE(diff.empty()) << told(seed, shrink(seed, events, 5 * total));
    }
}

} // namespace
} // namespace ordel::test
