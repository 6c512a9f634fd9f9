// The skin module's start-up that the program runs before its window exists
// (the tests' global environment runs it, as the program does).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/window_created.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/state/skin_state.h"

TEST(SkinStartup, StartsGdiPlusAndRegistersTheShadowClass) {
  EXPECT_NE(GdiPlusToken, 0u);
  WNDCLASSEXA shadowClass = {};
  shadowClass.cbSize = sizeof(shadowClass);
  EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "duvaZedado", &shadowClass));
}
