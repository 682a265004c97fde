#pragma once
// Conversions between the program's narrow texts and UTF-16, for the W functions. The default
// code page is the process's (CP_ACP): 936 where Windows honours the manifest's code page, or
// where the system's is 936 already.
#include <windows.h>

#include <string>
#include <string_view>

namespace runtime {

std::wstring ToWide(std::string_view text, UINT codePage = CP_ACP);
// A character that the process's code page cannot hold becomes the code page's default one.
std::string ToNarrow(std::wstring_view text);

}  // namespace runtime
