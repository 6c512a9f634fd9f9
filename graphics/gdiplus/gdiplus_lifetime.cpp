#include "graphics/gdiplus/gdiplus_lifetime.h"

#include <algorithm>
#include <vector>

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/shadow_window_class.h"

std::uintptr_t GdiPlusToken = 0;
HICON ClassIcon = nullptr;

namespace {

// The token of the latest start; what ShutdownGdiPlus takes when no token
// is given.
std::uintptr_t SavedToken = 0;

// Sessions started and not yet shut down. GDI+ must see each token exactly
// once in GdiplusShutdown, whichever path gets there first.
std::vector<std::uintptr_t>& LiveTokens() {
  static std::vector<std::uintptr_t> tokens;
  return tokens;
}

// The program's icon resource iconId, else its icon group "DEFAULT_ICON".
HICON LoadProgramIcon(int iconId) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  if (!icon) icon = LoadIconA(instance, "DEFAULT_ICON");
  return icon;
}

}  // namespace

std::uintptr_t StartGdiPlus(std::optional<unsigned> version) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = version.value_or(1);
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) token = 0;
  SavedToken = token;
  if (token != 0) LiveTokens().push_back(token);
  return token;
}

void ShutdownGdiPlus(std::uintptr_t token, bool tokenGiven) {
  if (!tokenGiven) {
    token = SavedToken;
    SavedToken = 0;
  }
  if (token == 0) return;
  auto& live = LiveTokens();
  auto it = std::find(live.begin(), live.end(), token);
  if (it == live.end()) return;  // never started here, or already shut down
  live.erase(it);
  if (SavedToken == token) SavedToken = 0;
  if (GdiPlusToken == token) GdiPlusToken = 0;
  Gdiplus::GdiplusShutdown(token);
}

int LiveGdiPlusSessions() { return static_cast<int>(LiveTokens().size()); }

void InitGraphicsModule(int programIconId) {
  GdiPlusToken = StartGdiPlus();
  ClassIcon = LoadProgramIcon(programIconId);
  RegisterShadowWindowClass();
}

void ShutdownGraphicsModule() { ShutdownGdiPlus(GdiPlusToken, true); }
