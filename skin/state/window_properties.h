// Window properties through which the skin ties windows to its records, and
// the properties an application may set to tune one window's look.
//
// Values are 32-bit integers (GetPropInt, SetPropInt) or handles
// (GetPropHandle, SetPropHandle) stored with SetPropA; a property that is
// not there reads 0. The skin never removes a property: a destroyed window's
// properties go with it.
#pragma once

#include <windows.h>

// Ties between windows and records.
inline constexpr char Hw_lbID[] = "Hw_lbID";    // frame: its window record; control: index in its class list
inline constexpr char Hw_FuID[] = "Hw_FuID";    // control, container, label, bar window: owning window record
inline constexpr char Hw_hProc[] = "Hw_hProc";  // every subclassed window: the saved procedure
inline constexpr char Kj_lbID[] = "Kj_lbID";    // toolbar: index in the toolbar list
inline constexpr char Kj_FuID[] = "Kj_FuID";    // toolbar: owning window record
inline constexpr char Kj_hProc[] = "Kj_hProc";  // toolbar: saved procedure
inline constexpr char Kj_wtjb[] = "Kj_wtjb";    // toolbar: image list; other control: captured background bitmap
inline constexpr char Kj_dxjb[] = "Kj_dxjb";    // control: brush handed to the system on WM_CTLCOLOR*
inline constexpr char Kj_Ztys[] = "Kj_Ztys";    // control: text colour
inline constexpr char Mb_zpf[] = "Mb_zpf";      // container: nearest ancestor marked with Wxk_Zpf = 1
inline constexpr char Mngd_zct[] = "Mngd_zct";  // drawn scroll-bar window: its host control

// Frame back-buffer bookkeeping.
inline constexpr char Ck_Ycjdx[] = "Ck_Ycjdx";    // bitmap frameDC held when it was created
inline constexpr char Ck_wtjbdx[] = "Ck_wtjbdx";  // current back-buffer bitmap of frameDC
inline constexpr char Ck_cdjb[] = "Ck_cdjb";      // menu destroyed at teardown

// Shadow window.
inline constexpr char Yyck_Glck[] = "Yyck_Glck";  // owning frame
inline constexpr char Yyck_yyWz[] = "Yyck_yyWz";  // shadow offset
inline constexpr char Yyck_yysd[] = "Yyck_yysd";  // depth of the soft edge
inline constexpr char Yyck_yyys[] = "Yyck_yyys";  // colour (COLORREF)
inline constexpr char Yyck_Tmd[] = "Yyck_Tmd";    // transparency (alpha 0-255)

// Read by the skins, set only by an application.
inline constexpr char Zqk_Szqk[] = "Zqk_Szqk";      // 1 = custom overlay for this control
inline constexpr char Zqk_bjs[] = "Zqk_bjs";        // its colour
inline constexpr char Zqk_bjstmd[] = "Zqk_bjstmd";  // its alpha
inline constexpr char Zqk_gljb[] = "Zqk_gljb";
inline constexpr char Zqk_FuID[] = "Zqk_FuID";
inline constexpr char Zqk_LbID[] = "Zqk_LbID";
inline constexpr char Wxk_Zpf[] = "Wxk_Zpf";  // marks an ancestor window
inline constexpr char Wxk_Cj[] = "Wxk_Cj";
inline constexpr char Wxk_LBID[] = "Wxk_LBID";

// The property as a 32-bit integer; 0 when absent or when window is 0.
int GetPropInt(HWND window, const char* name);
// Stores value; does nothing for window 0.
void SetPropInt(HWND window, const char* name, int value);

// Handles kept in properties (HWND, HBITMAP, HBRUSH, WNDPROC, ...): stored
// and read back as the handle type, never through an int.
template <class Handle>
void SetPropHandle(HWND window, const char* name, Handle handle) {
  if (window == nullptr) return;
  SetPropA(window, name, reinterpret_cast<HANDLE>(handle));
}
template <class Handle>
Handle GetPropHandle(HWND window, const char* name) {
  if (window == nullptr) return Handle{};
  return reinterpret_cast<Handle>(GetPropA(window, name));
}

// The procedure saved in Hw_hProc.
WNDPROC SavedProcOf(HWND window);

// Subclassing, the one way every skin puts its procedure in front of a
// window's own: the replaced procedure is stored in savedProperty (Hw_hProc,
// a toolbar's Kj_hProc) before proc can see a message, so that the pass-on
// always finds it. Returns the replaced procedure.
WNDPROC ReplaceWindowProc(HWND window, WNDPROC proc, const char* savedProperty = Hw_hProc);
// Puts the procedure saved in savedProperty back in front of window.
void RestoreWindowProc(HWND window, const char* savedProperty = Hw_hProc);
// True when window runs proc already: subclassing it again would make the
// skin procedure its own saved procedure.
bool IsSubclassedWith(HWND window, WNDPROC proc);

// Passes a message on to the procedure saved in Hw_hProc (every skin
// procedure's pass-on): CallWindowProcA(GetPropA(window, "Hw_hProc"), ...).
// With no saved procedure the message goes to DefWindowProcA.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Deletes the brush and bitmap held in a control's Kj_dxjb and Kj_wtjb and
// sets both properties to 0, so that a second call (by another release
// path) deletes nothing twice.
void DeleteCtlColorObjects(HWND control);
