// A page cut off inside its last character, through the real main window
// under the program's manifest: the hidden list, the clipboard and ip.txt
// get the whole characters only, never the conversion's leftovers.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "gui_test_support.h"

namespace {

const Text kPageTail = "</div>\n</body>\n</html>\n";
const Text kContactLine = PX_CONTACT_LINE_EXPECTED;

// True when the edit box's class comes from the common controls (version 6,
// as the manifest asks) rather than from user32.
bool IsCommonControlsEdit(HWND edit) {
  const auto module = reinterpret_cast<HMODULE>(GetClassLongPtrA(edit, GCLP_HMODULE));
  return module != nullptr && module != GetModuleHandleA("user32.dll");
}

TEST(LoneLeadByte, ListClipboardAndFileKeepTheWholeCharactersOnly) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ASSERT_TRUE(IsCommonControlsEdit(MainControl(window, kEdit1))) << "the manifest is not in force";
  ConfirmationWatcher watcher;
  // A long earlier list: its bytes are what a broken conversion leaves behind.
  SetControlText(window, kEdit1, Text(3000, '9') + "\r\n");
  SetControlText(window, kEdit4, "leadend");
  SetControlText(window, kEdit2, "3");
  SetControlText(window, kEdit3, "");
  Click(window, kButton10);
  const Text expected = ExpectedEntries("dq=leadend&sl=3&dk=&xl=2") + kPageTail;
  ASSERT_GT(expected.size(), kPageTail.size());
  EXPECT_EQ(ControlText(window, kEdit1), expected);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(expected, "11"));

  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"), expected + "\r\n" + kContactLine);
  Click(window, kButton2);
  EXPECT_EQ(ReadClipboardText(), expected);
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "复制代理ip成功"}));
}

}  // namespace
