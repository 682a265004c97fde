#pragma once
// Functions of system libraries reached by name instead of through the import table. Each entry
// names a library file and an export; it is bound on its first call (LoadLibraryA, then
// GetProcAddress) and the address stays cached for the life of the process. An entry whose
// library or export cannot be found ends the program with the run-time error report.
//
// Entries register themselves in a process-wide list when they are constructed, so the whole
// table can be walked (see ExternalFunctionBase::First / Next).
#include <windows.h>

#include <utility>

namespace draw {

class ExternalFunctionBase {
 public:
  // library: a library file name, or "" to try the system libraries in a fixed order
  // (Kernel32.dll, Gdi32.dll, User32.dll, Advapi32.dll, Mpr.dll, Shell32.dll).
  // name: an export name, or "#" followed by a decimal ordinal. Both texts must outlive the entry
  // (the table uses literals).
  ExternalFunctionBase(const char* library, const char* name);
  ~ExternalFunctionBase();
  ExternalFunctionBase(const ExternalFunctionBase&) = delete;
  ExternalFunctionBase& operator=(const ExternalFunctionBase&) = delete;

  const char* library() const { return library_; }
  const char* name() const { return name_; }
  bool IsBound() const { return address_ != nullptr; }

  // The function's address, bound now if this is the first use. Never returns null: a failed
  // binding does not come back.
  void* Address();

  // The registered entries, in order of construction.
  static ExternalFunctionBase* First();
  ExternalFunctionBase* Next() const { return next_; }

 protected:
  // Puts another address in place of the bound one and returns the bound one (binding first if
  // needed). Tests use it to watch the calls that go through an entry.
  void* ReplaceAddress(void* replacement);

 private:
  const char* library_;
  const char* name_;
  void* address_ = nullptr;
  ExternalFunctionBase* next_ = nullptr;
};

// One typed entry. Fn is the function type of the platform declaration, taken with decltype
// (for example decltype(::GetDC)), so the calling convention and the parameter types are the
// SDK's own and a call with unsuitable arguments does not compile.
template <typename Fn>
class ExternalFunction : public ExternalFunctionBase {
 public:
  using Pointer = Fn*;
  using ExternalFunctionBase::ExternalFunctionBase;

  template <typename... Args>
  decltype(auto) operator()(Args&&... args) {
    return Get()(std::forward<Args>(args)...);
  }

  Pointer Get() { return reinterpret_cast<Pointer>(Address()); }

  // See ExternalFunctionBase::ReplaceAddress; returns the previous (normally the real) function.
  Pointer Replace(Pointer replacement) {
    return reinterpret_cast<Pointer>(ReplaceAddress(reinterpret_cast<void*>(replacement)));
  }
};

}  // namespace draw
