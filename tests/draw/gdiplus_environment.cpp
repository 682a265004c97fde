// GDI+ is running in every test of this executable, as it is in the program from start-up on.
#include <gtest/gtest.h>

#include "draw/gdiplus_startup.h"

namespace {

class GdiplusEnvironment : public testing::Environment {
 public:
  void SetUp() override { draw::StartGdiplus(); }
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
