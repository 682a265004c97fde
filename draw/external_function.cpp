#include "draw/external_function.h"

#include <string>

#include "runtime/fatal_error.h"

namespace draw {
namespace {

// Constant-initialised, so entries constructed during static initialisation of any translation
// unit find a valid list.
ExternalFunctionBase* g_first = nullptr;
ExternalFunctionBase* g_last = nullptr;

constexpr const char* kSystemLibraries[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                            "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

// "#123" names the export with ordinal 123. Returns 0 when the name is not an ordinal or the
// number is out of the 16-bit ordinal range.
WORD ParseOrdinal(const char* name) {
  if (name[0] != '#' || name[1] == '\0') return 0;
  unsigned long value = 0;
  for (const char* p = name + 1; *p; ++p) {
    if (*p < '0' || *p > '9') return 0;
    value = value * 10 + static_cast<unsigned long>(*p - '0');
    if (value > 0xFFFF) return 0;
  }
  return static_cast<WORD>(value);
}

void* FindExport(HMODULE module, const char* name) {
  if (!module) return nullptr;
  if (name[0] == '#') {
    WORD ordinal = ParseOrdinal(name);
    // An unparsable ordinal is a missing export, not a name to look up.
    return ordinal ? reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal)))
                   : nullptr;
  }
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

void* Bind(const char* library, const char* name) {
  if (library[0] != '\0') return FindExport(LoadLibraryA(library), name);
  for (const char* candidate : kSystemLibraries) {
    if (void* address = FindExport(LoadLibraryA(candidate), name)) return address;
  }
  return nullptr;
}

[[noreturn]] void ReportMissing(const char* library, const char* name) {
  std::string detail;
  if (library[0] != '\0') {
    detail = "无法找到指定DLL库文件“";
    detail += library;
    detail += "”中的输出命令“";
  } else {
    detail = "无法找到指定DLL库文件中的输出命令“";
  }
  detail += name;
  detail += "”";
  runtime::FatalRuntimeError(detail);
}

}  // namespace

ExternalFunctionBase::ExternalFunctionBase(const char* library, const char* name)
    : library_(library ? library : ""), name_(name ? name : "") {
  if (g_last)
    g_last->next_ = this;
  else
    g_first = this;
  g_last = this;
}

ExternalFunctionBase::~ExternalFunctionBase() {
  ExternalFunctionBase* previous = nullptr;
  for (ExternalFunctionBase* e = g_first; e; previous = e, e = e->next_) {
    if (e != this) continue;
    (previous ? previous->next_ : g_first) = next_;
    if (g_last == this) g_last = previous;
    break;
  }
}

ExternalFunctionBase* ExternalFunctionBase::First() { return g_first; }

void* ExternalFunctionBase::Address() {
  if (!address_) {
    address_ = Bind(library_, name_);
    if (!address_) ReportMissing(library_, name_);
  }
  return address_;
}

void* ExternalFunctionBase::ReplaceAddress(void* replacement) {
  void* previous = Address();
  address_ = replacement;
  return previous;
}

}  // namespace draw
