#pragma once

#include <string_view>

namespace ordel {

// The text of the about box, in UTF-8: one line of 741 characters with no
// line break. Its four pieces are kept apart by long runs of blanks, which the
// message box turns into line breaks when it wraps the line to its width.
std::string_view aboutText();

} // namespace ordel
