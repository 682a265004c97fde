#pragma once
#include <string>
#include <string_view>

namespace draw {

// Converts a UTF-8 text to UTF-16. The text ends at its
// first zero byte, if it has one. An empty text gives an empty result.
std::wstring ToWide(std::string_view text);
// Converts a UTF-16 text back to UTF-8, likewise.
std::string ToNarrow(std::wstring_view text);

}  // namespace draw
