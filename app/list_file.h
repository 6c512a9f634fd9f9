// Writing the saved proxy list file.
#pragma once

#include "app/text_ops.h"

// The saved file's name, relative to the current directory.
extern const char* const kListFileName;

// The saved content: the full list, "\r\n", then the contact line.
Text ListFileContent(const Text& fullList, const Text& contactLine);

struct FileWriteResult {
  bool ok = false;
  Text reason;  // the system's description of the failure, GBK
};

// Writes content as the whole file at path. The bytes go to a temporary
// file in the same folder first, which then replaces path, so a failed or
// partial write leaves any previous file at path as it was. A read-only file
// at path is left alone (access denied). Where the replace fails only because
// another program holds the file open without delete sharing, the content is
// written into the file in place if that program lets others write;
// otherwise the old file stays whole.
FileWriteResult WriteFileReplacing(const Text& path, const Text& content);
