// The program's one kind of message box: what an extract, a save or a copy
// came to, under the title "岚舟提示".
#pragma once

#include "app/text_ops.h"

extern const char* const kNoticeTitle;  // "岚舟提示"

// Shows message with an information icon and an OK button, task-modal
// (the program's windows wait for it), and returns when it is closed.
void ShowNotice(const Text& message);
