// Reaching the demo service from the web client's tests, and counting what
// the process holds (threads, kernel handles) around a fetch.
#pragma once

#include <windows.h>

#include "app/text_ops.h"
#include "web/timed_fetch.h"

// "host:port" of the demo service, from DEMO_SERVICE_HOST.
Text DemoHost();
// "http://" DemoHost() path.
Text DemoUrl(const Text& path);

// Fetches url through TimedFetch and returns the page as text (bytes kept,
// zero bytes included).
Text FetchText(Text url, const FetchOptions& options = FetchOptions());

// A name no earlier run of the tests has used (cookie names).
Text UniqueName(const char* stem);

int ProcessThreadCount();
DWORD ProcessHandleCount();
int ProcessSocketCount();

// Waits, dispatching messages, until the thread and handle counts are back
// at most to the given ones or the time is up; true when they are.
bool SettlesTo(int threads, DWORD handles, DWORD milliseconds);

// What the process holds, to compare before and after a fetch.
struct Holdings {
  int threads;
  DWORD handles;
  int sockets;
};
Holdings CurrentHoldings();
// Waits as SettlesTo until threads, handles and sockets are back at most to
// before; true when they are within milliseconds.
bool SettlesTo(const Holdings& before, DWORD milliseconds);
// "threads a -> b, handles c -> d, sockets e -> f".
Text HoldingsChange(const Holdings& before);

// The header block of an /echo answer: the lines between the request line
// and the blank line, each with its "\r\n".
Text EchoedHeaderBlock(const Text& echo);
