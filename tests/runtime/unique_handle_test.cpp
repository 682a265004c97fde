// The owners of native handles: each releases its handle exactly once, through the calls it is
// given, and "none" is what the handle kind uses for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/unique_handle.h"
#include "tests/support/temp_dir.h"

namespace {

// The system's calls, each recorded before it is made.
struct RecordingCalls {
  static inline std::vector<std::string> calls;
  static BOOL DeleteObject(HGDIOBJ object) {
    calls.push_back("DeleteObject");
    return ::DeleteObject(object);
  }
  static BOOL DeleteDC(HDC dc) {
    calls.push_back("DeleteDC");
    return ::DeleteDC(dc);
  }
  static HDC GetDC(HWND window) {
    calls.push_back("GetDC");
    return ::GetDC(window);
  }
  static int ReleaseDC(HWND window, HDC dc) {
    calls.push_back("ReleaseDC");
    return ::ReleaseDC(window, dc);
  }
  static HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    calls.push_back("SelectObject");
    return ::SelectObject(dc, object);
  }
};

using RecordedBrush = runtime::UniqueHandle<HBRUSH, runtime::DeleteGdiObjectWith<RecordingCalls>>;

bool IsLiveGdiObject(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(UniqueHandle, ReleasesOnceThroughItsCallsAcrossMovesResetsAndHandOvers) {
  RecordingCalls::calls.clear();
  const HBRUSH first = ::CreateSolidBrush(RGB(1, 2, 3));
  const HBRUSH second = ::CreateSolidBrush(RGB(4, 5, 6));
  {
    RecordedBrush a(first);
    RecordedBrush b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), first);
    b = std::move(b);  // moving onto itself keeps the handle
    EXPECT_EQ(b.get(), first);
    b.reset(second);  // the first goes now
    EXPECT_FALSE(IsLiveGdiObject(first));
    EXPECT_TRUE(IsLiveGdiObject(second));
    RecordedBrush c;
    c = std::move(b);
    EXPECT_EQ(RecordingCalls::calls.size(), 1u);
  }
  EXPECT_FALSE(IsLiveGdiObject(second));
  EXPECT_EQ(RecordingCalls::calls, (std::vector<std::string>{"DeleteObject", "DeleteObject"}));

  // A handle given away is not released.
  const HBRUSH kept = ::CreateSolidBrush(RGB(7, 8, 9));
  { EXPECT_EQ(RecordedBrush(kept).release(), kept); }
  EXPECT_TRUE(IsLiveGdiObject(kept));
  ::DeleteObject(kept);
  EXPECT_EQ(RecordingCalls::calls.size(), 2u);
}

TEST(UniqueHandle, FindHandleTakesInvalidHandleValueForNone) {
  testing_support::TempDir dir;
  const std::string file = dir.path() + "a.txt";
  ::CloseHandle(::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  WIN32_FIND_DATAA entry;
  runtime::UniqueFind missing(::FindFirstFileA((dir.path() + "none*").c_str(), &entry));
  EXPECT_FALSE(missing);
  EXPECT_EQ(runtime::UniqueFind().get(), INVALID_HANDLE_VALUE);

  runtime::UniqueFind found(::FindFirstFileA((dir.path() + "*.txt").c_str(), &entry));
  ASSERT_TRUE(found);
  const HANDLE handle = found.get();
  found.reset();
  EXPECT_EQ(found.get(), INVALID_HANDLE_VALUE);
  // The search is closed: the handle no longer answers.
  EXPECT_FALSE(::FindNextFileA(handle, &entry));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(UniqueHandle, SelectionPutsThePreviousObjectBackAndMemoryDCIsDeleted) {
  RecordingCalls::calls.clear();
  const HDC screen = ::GetDC(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 4, 4);
  ::ReleaseDC(nullptr, screen);
  {
    runtime::UniqueHandle<HDC, runtime::DeleteDCWith<RecordingCalls>> dc(
        ::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_BITMAP);
    {
      runtime::BasicSelectedObject<RecordingCalls> selected(dc.get(), bitmap);
      EXPECT_TRUE(selected.ok());
      EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap);
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), before);
    {
      // Nothing to select: nothing is selected, nothing put back.
      runtime::BasicSelectedObject<RecordingCalls> none(dc.get(), nullptr);
      EXPECT_FALSE(none.ok());
    }
  }
  EXPECT_EQ(RecordingCalls::calls,
            (std::vector<std::string>{"SelectObject", "SelectObject", "DeleteDC"}));
  // Selected out again, the bitmap can be deleted.
  EXPECT_TRUE(::DeleteObject(bitmap));

  RecordingCalls::calls.clear();
  { runtime::BasicWindowDC<RecordingCalls> dc(nullptr); EXPECT_NE(dc.get(), nullptr); }
  EXPECT_EQ(RecordingCalls::calls, (std::vector<std::string>{"GetDC", "ReleaseDC"}));
}

}  // namespace
