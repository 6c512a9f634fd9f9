// Writing a file by replacement and the edit box text helpers.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/edit_text.h"
#include "app/list_file.h"
#include "gui_test_support.h"

TEST(ListFile, WritesIntoTheNamedFolderAndLeavesNoTemporaryFile) {
  ScratchDirectory here;
  ASSERT_TRUE(CreateDirectoryA("sub", nullptr));
  const Text content("a\0b\r\n中文", 9);  // bytes written as they are, zero included
  const FileWriteResult result = WriteFileReplacing("sub\\ip.txt", content);
  ASSERT_TRUE(result.ok) << result.reason;
  EXPECT_EQ(ReadWholeFile("sub\\ip.txt"), content);
  EXPECT_EQ(FilesHere(), std::vector<Text>{"sub"});
}

TEST(ListFile, MissingFolderFailsWithAReason) {
  ScratchDirectory here;
  const FileWriteResult result = WriteFileReplacing("no-such-folder\\ip.txt", "x");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_TRUE(FilesHere().empty());
}

TEST(EditText, SetGetAndAppendKeepGbkTextWhole) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 200,
                              100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(edit);
  SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
  EXPECT_EQ(GetEditText(edit), "");
  SetEditText(edit, "北京\r\n");
  EXPECT_EQ(GetEditText(edit), "北京\r\n");
  // The caret sits elsewhere; appending still goes to the end.
  SendMessageA(edit, EM_SETSEL, 0, 1);
  AppendEditText(edit, "1.1.1.1:80\r\n");
  AppendEditText(edit, "上海");
  EXPECT_EQ(GetEditText(edit), "北京\r\n1.1.1.1:80\r\n上海");
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
  EXPECT_EQ(static_cast<int>(end), GetWindowTextLengthW(edit)) << "caret at the end";
  DestroyWindow(edit);
}
