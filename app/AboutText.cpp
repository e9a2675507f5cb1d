#include "AboutText.h"

#include <array>
#include <cstddef>

namespace ordel {

namespace {

// What the program is for.
constexpr std::string_view kPurpose = "O Ordel serve para o aluno praticar o valor posicional e as "
                                      "quatro operações com as contas de um ábaco.";
// Thanks to the academic advisor who helped make the software.
constexpr std::string_view kThanks =
    "Agradecemos ao orientador acadêmico do departamento de matemática da universidade por toda "
    "a ajuda e pelas sugestões na elaboração deste software.";
constexpr std::string_view kAuthor = "Equipe do Ordel.";
constexpr std::string_view kEmail = "E-mail: equipe.ordel@example.org";

// Each piece follows its own run of blanks; the runs are long enough that the
// box breaks the line there and nowhere inside a piece.
struct Segment {
    std::size_t blanksBefore;
    std::string_view piece;
    std::size_t characters; // in code points, not bytes
};

constexpr std::array kSegments{
    Segment{5, kPurpose, 103},
    Segment{121, kThanks, 146},
    Segment{166, kAuthor, 16},
    Segment{152, kEmail, 32},
};

constexpr std::size_t kCharacters = 741;

// Counts UTF-8 code points: every byte that is not a continuation byte.
constexpr std::size_t codePoints(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U)
            ++n;
    }
    return n;
}

constexpr bool piecesHaveTheirLengths() {
    for (const Segment& s : kSegments) {
        if (codePoints(s.piece) != s.characters)
            return false;
    }
    return true;
}

constexpr std::size_t totalCharacters() {
    std::size_t n = 0;
    for (const Segment& s : kSegments)
        n += s.blanksBefore + codePoints(s.piece);
    return n;
}

constexpr std::size_t totalBytes() {
    std::size_t n = 0;
    for (const Segment& s : kSegments)
        n += s.blanksBefore + s.piece.size();
    return n;
}

static_assert(piecesHaveTheirLengths(), "an about piece has the wrong number of characters");
static_assert(totalCharacters() == kCharacters, "the about text must be 741 characters long");

constexpr std::array<char, totalBytes()> build() {
    std::array<char, totalBytes()> text{};
    std::size_t at = 0;
    for (const Segment& s : kSegments) {
        for (std::size_t i = 0; i < s.blanksBefore; ++i)
            text[at++] = ' ';
        for (char c : s.piece)
            text[at++] = c;
    }
    return text;
}

constexpr std::array<char, totalBytes()> kText = build();

} // namespace

std::string_view aboutText() {
    return {kText.data(), kText.size()};
}

} // namespace ordel
