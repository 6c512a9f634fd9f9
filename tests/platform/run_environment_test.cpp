// The program's texts are GBK and its drawn text uses the "宋体" face: both
// only work when the process runs with code page 936 and that face resolves.
#include <windows.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

TEST(RunEnvironment, AnsiCodePageIsGbk) {
  EXPECT_EQ(GetACP(), 936u);
  // A GBK literal round-trips through the system's conversion.
  const char text[] = "提取ip";
  wchar_t wide[16] = {};
  ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 16), 0);
  EXPECT_EQ(wide[0], 0x63D0);  // 提
  EXPECT_EQ(wide[1], 0x53D6);  // 取
}

TEST(RunEnvironment, GdiPlusFindsTheSongtiFace) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  for (const wchar_t* name : {L"宋体", L"SimSun"}) {
    Gdiplus::GpFontFamily* family = nullptr;
    EXPECT_EQ(Gdiplus::DllExports::GdipCreateFontFamilyFromName(name, nullptr, &family),
              Gdiplus::Ok);
    if (family) Gdiplus::DllExports::GdipDeleteFontFamily(family);
  }
  Gdiplus::GdiplusShutdown(token);
}
