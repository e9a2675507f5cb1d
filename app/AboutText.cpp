#include "AboutText.h"

#include "Words.h"

#include <cstddef>
#include <string>

namespace ordel {

namespace {

// Each piece follows its own run of blanks; the runs are long enough that the
// box breaks the line there and nowhere inside a piece.
struct Segment {
    std::size_t blanksBefore;
    std::string_view piece;
};

constexpr Segment kSegments[] = {{5, words::kAboutPurpose},
                                 {121, words::kAboutThanks},
                                 {166, words::kAboutAuthor},
                                 {152, words::kAboutEmail}};

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
