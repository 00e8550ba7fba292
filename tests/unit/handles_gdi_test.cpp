// The handle family's owners of GDI objects and DCs. Here rather than with the rest of the family
// in rtl_test: a screen DC needs Wine's desktop, which only the windowed tests may start.
#include <windows.h>

#include <gtest/gtest.h>

#include "rtl/Handles.h"

namespace {

TEST(HandleFamily, GdiObjectsAndDcsAreDeletedOrReleased) {
  HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
  rtl::TGdiObject<HBRUSH> brush(raw);
  ASSERT_TRUE(brush);
  EXPECT_EQ(GetObjectType(raw), DWORD(OBJ_BRUSH));
  brush.Reset();
  EXPECT_EQ(GetObjectType(raw), 0u);

  rtl::TMemoryDC memory(CreateCompatibleDC(nullptr));
  HDC rawDc = memory.Get();
  ASSERT_TRUE(memory);
  memory.Reset();
  EXPECT_EQ(GetObjectType(rawDc), 0u);

  rtl::TWindowDC screen(nullptr);
  ASSERT_TRUE(screen);
  rtl::TWindowDC moved(std::move(screen));
  EXPECT_FALSE(screen);
  EXPECT_TRUE(moved);
  SetLastError(ERROR_BAD_FORMAT);
  moved.Reset();
  EXPECT_FALSE(moved);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BAD_FORMAT));
}

}  // namespace
