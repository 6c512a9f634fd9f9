// Lets a test see the system calls the code under test makes: the test
// program's import of one function is pointed at a replacement of the
// test's, which records the call and goes on to the system's function.
#pragma once

#include <windows.h>

// Replaces the test program's import of function from dll (compared
// without case) while it lives; the system's function is original(), 0
// when the program does not import it.
class ImportReplacement {
 public:
  ImportReplacement(const char* dll, const char* function, void* replacement);
  ~ImportReplacement();
  ImportReplacement(const ImportReplacement&) = delete;
  ImportReplacement& operator=(const ImportReplacement&) = delete;

  void* original() const { return original_; }

 private:
  void Write(void* value);
  void** slot_ = nullptr;
  void* original_ = nullptr;
};
