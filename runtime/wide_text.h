#pragma once
// The program's texts are UTF-8 inside and UTF-16 at every call into Windows: these two
// conversions are the only ones, so that no text depends on the system's or the process's code
// page.
#include <string>
#include <string_view>

namespace runtime {

// UTF-8 to UTF-16; an empty text gives an empty result.
std::wstring ToWide(std::string_view text);
// UTF-16 to UTF-8; an empty text gives an empty result.
std::string ToNarrow(std::wstring_view text);

}  // namespace runtime
