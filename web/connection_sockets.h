// The sockets of one HTTP exchange, found as WinINet opens them, so that
// giving the exchange up can shut them down: a WinINet call blocked on a
// socket returns only when data comes, its time-out passes or the
// connection ends, and closing its handles from another thread does not end
// it under every WinINet (Wine's does not).
#pragma once

#include <cstdint>
#include <vector>

// A socket of the exchange with the two ends it had when it was found: a
// socket value that has been closed and handed out again no longer matches
// them, and is left alone.
struct ClaimedSocket {
  std::uintptr_t socket = 0;
  std::vector<unsigned char> local;
  std::vector<unsigned char> peer;
};

// What the exchange's worker knows about its connections while it opens
// them; touched by the worker thread only.
struct ConnectWatch {
  bool holdsLock = false;
  std::vector<std::uintptr_t> before;  // the process's sockets when a connect began
};

// A connect is about to begin on this thread: waits (a bounded time) until
// no other exchange is connecting, then notes the process's sockets.
void BeginConnect(ConnectWatch& watch);
// The connect ended (or the call that would connect returned): the sockets
// that appeared meanwhile are this exchange's; they are appended to claimed.
void EndConnect(ConnectWatch& watch, std::vector<ClaimedSocket>& claimed);

// Ends the connection of every claimed socket that still is the one that
// was found (a blocked receive on it returns at once); the socket itself
// stays open for its owner to close.
void ShutDownClaimed(const std::vector<ClaimedSocket>& claimed);
