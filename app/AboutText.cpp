#include "AboutText.h"

#include <cstddef>
#include <string>

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
};

constexpr Segment kSegments[] = {{5, kPurpose}, {121, kThanks}, {166, kAuthor}, {152, kEmail}};

} // namespace

std::string_view aboutText() {
    static const std::string text = [] {
        std::string joined;
        for (const auto& [blanks, piece] : kSegments)
            joined.append(blanks, ' ').append(piece);
        return joined;
    }();
    return text;
}

} // namespace ordel
