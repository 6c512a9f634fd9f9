// A lock between the threads of this process, and the guard that holds it
// for a scope. A critical section: Windows XP has it, and the program links
// no threads runtime (the C++ library's mutex would need one).
#pragma once

#include <windows.h>

class ThreadLock {
 public:
  ThreadLock() { InitializeCriticalSection(&section_); }
  ~ThreadLock() { DeleteCriticalSection(&section_); }
  ThreadLock(const ThreadLock&) = delete;
  ThreadLock& operator=(const ThreadLock&) = delete;

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

// Holds the lock from its making to the end of its scope.
class HeldLock {
 public:
  explicit HeldLock(ThreadLock& lock) : lock_(lock) { lock_.Enter(); }
  ~HeldLock() { lock_.Leave(); }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

 private:
  ThreadLock& lock_;
};
