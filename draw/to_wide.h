#pragma once
#include <string>
#include <string_view>

namespace draw {

// Converts a text in the ANSI code page (936 for this program) to UTF-16. The text ends at its
// first zero byte, if it has one. An empty text gives an empty result.
std::wstring ToWide(std::string_view text);

}  // namespace draw
