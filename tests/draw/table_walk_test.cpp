// Walks the whole table of external functions, whoever added the entries, and binds each one
// under Wine. An export that Wine does not have (but Windows' own library does) is listed below
// with the reason; it is checked to be missing rather than bound, since binding it would end the
// process with the run-time error.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "draw/external_function.h"

namespace {

struct KnownGap {
  const char* library;
  const char* name;
  const char* reason;
};

// Exports of Windows' libraries that the installed Wine lacks: checked to be missing instead of
// bound. Keep this current: an entry that starts to resolve makes the test fail until it is taken
// out. None at present.
constexpr std::array<KnownGap, 0> kMissingUnderWine{};

// Exports that Wine has only as stubs that end the process when called. They bind like any
// other; the wrapper tests leave them uncalled.
constexpr KnownGap kStubbedUnderWine[] = {
    {"gdiplus.dll", "GdipSetPenUnit", "GdipPen::SetUnit"},
    {"gdiplus.dll", "GdipGetEncoderParameterList", "GdipImage::GetEncoderParameterList"},
    {"gdiplus.dll", "GdipEnumerateMetafileDestPoints",
     "图形 metafile enumeration form; left uncalled"},
    {"gdiplus.dll", "GdipEnumerateMetafileDestPointsI",
     "图形 metafile enumeration form; left uncalled"},
    {"gdiplus.dll", "GdipEnumerateMetafileSrcRectDestPoint",
     "图形 metafile enumeration form; left uncalled"},
    {"gdiplus.dll", "GdipEnumerateMetafileSrcRectDestPointI",
     "图形 metafile enumeration form; left uncalled"},
    {"gdiplus.dll", "GdipEnumerateMetafileSrcRectDestPointsI",
     "图形 metafile enumeration form; left uncalled"},
};

template <typename List>
const KnownGap* Find(const List& list, const draw::ExternalFunctionBase& e) {
  for (const auto& m : list)
    if (std::string(m.library) == e.library() && std::string(m.name) == e.name()) return &m;
  return nullptr;
}

// Wine's stubs for unimplemented exports all start alike: make room on the stack, load the
// library and export names, call the reporter.
bool LooksLikeWineStub(const void* address) {
  const auto* code = static_cast<const std::uint8_t*>(address);
  return code[0] == 0x48 && code[1] == 0x83 && code[2] == 0xEC && code[3] == 0x28 &&
         code[4] == 0x48 && code[5] == 0x8D && code[6] == 0x0D && code[11] == 0x48 &&
         code[12] == 0x8D && code[13] == 0x15 && code[18] == 0xE8;
}

// Where the entry would bind, found the way the table binds but without ending the process
// when there is nothing to find.
void* Resolve(const char* library, const char* name) {
  auto find = [name](const char* file) -> void* {
    HMODULE module = LoadLibraryA(file);
    if (!module) return nullptr;
    if (name[0] == '#') {
      char* end = nullptr;
      const unsigned long ordinal = std::strtoul(name + 1, &end, 10);
      if (*end || ordinal == 0 || ordinal > 0xFFFF) return nullptr;
      return reinterpret_cast<void*>(
          GetProcAddress(module, MAKEINTRESOURCEA(static_cast<WORD>(ordinal))));
    }
    return reinterpret_cast<void*>(GetProcAddress(module, name));
  };
  if (library[0]) return find(library);
  for (const char* file :
       {"Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll", "Shell32.dll"})
    if (void* address = find(file)) return address;
  return nullptr;
}

TEST(TableWalk, EveryEntryBindsUnderWineExceptTheListedMissingExports) {
  std::set<const KnownGap*> missingSeen, stubsSeen;
  size_t entries = 0, bound = 0;
  for (auto* e = draw::ExternalFunctionBase::First(); e; e = e->Next()) {
    ++entries;
    SCOPED_TRACE(std::string(e->library()) + "!" + e->name());
    void* expected = Resolve(e->library(), e->name());
    if (const KnownGap* missing = Find(kMissingUnderWine, *e)) {
      missingSeen.insert(missing);
      EXPECT_EQ(expected, nullptr) << "now exported by Wine: take it out of the list";
      continue;
    }
    ASSERT_NE(expected, nullptr) << "missing export, not in the list of known gaps";
    EXPECT_EQ(e->Address(), expected);
    EXPECT_TRUE(e->IsBound());
    ++bound;
    if (const KnownGap* stub = Find(kStubbedUnderWine, *e)) {
      stubsSeen.insert(stub);
      EXPECT_TRUE(LooksLikeWineStub(expected)) << "no longer a stub: take it out of the list";
    } else {
      EXPECT_FALSE(LooksLikeWineStub(expected)) << "a stub under Wine: list it";
    }
  }
  // The table holds at least the entries of the drawing module and of the wrappers.
  EXPECT_GT(entries, 200u);
  EXPECT_EQ(bound + missingSeen.size(), entries);
  EXPECT_EQ(missingSeen.size(), kMissingUnderWine.size()) << "a listed gap is in no table entry";
  EXPECT_EQ(stubsSeen.size(), std::size(kStubbedUnderWine)) << "a listed stub is in no entry";
}

}  // namespace
