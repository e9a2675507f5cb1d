#pragma once

#include <string_view>

namespace ordel {

enum class MessageIcon { None, Information };

// A modal message box with the OK button alone: show() returns once the
// pupil has dismissed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

} // namespace ordel
