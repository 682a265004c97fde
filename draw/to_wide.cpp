#include "draw/to_wide.h"

#include <climits>

#include "draw/api.h"

namespace draw {

std::wstring ToWide(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  if (text.empty() || text.size() > INT_MAX) return std::wstring();
  const int length = static_cast<int>(text.size());
  // Units needed, without the terminator; the string keeps its own terminator after them.
  const int units = api::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(units), L'\0');
  const int written = api::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), units);
  wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return wide;
}

std::string ToNarrow(std::wstring_view text) {
  text = text.substr(0, text.find(L'\0'));
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const int length = static_cast<int>(text.size());
  const int bytes =
      api::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string narrow(static_cast<size_t>(bytes), '\0');
  const int written = api::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(),
                                               bytes, nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return narrow;
}

}  // namespace draw
