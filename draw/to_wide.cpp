#include "draw/to_wide.h"

#include <climits>

#include "draw/api.h"

namespace draw {

std::wstring ToWide(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  if (text.empty() || text.size() > INT_MAX) return std::wstring();
  const int length = static_cast<int>(text.size());
  // Units needed, without the terminator; the string keeps its own terminator after them.
  const int units = api::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(units), L'\0');
  const int written = api::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), units);
  wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return wide;
}

}  // namespace draw
