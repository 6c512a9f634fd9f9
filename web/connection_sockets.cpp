#include "web/connection_sockets.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>

#include "win32/handle_owners.h"

namespace {

// Socket values are small handle values; WinINet's lie far below this.
constexpr std::uintptr_t kHighestProbed = 0x4000;
constexpr std::uintptr_t kHandleStep = 4;
// A connect that never ends keeps other exchanges waiting at most this long;
// they then connect without finding their sockets (their calls still end at
// their time-outs).
constexpr DWORD kConnectLockWaitMs = 3000;

// The process's one connect lock: a kernel mutex made at the first connect
// and kept for the life of the process. (A library timed mutex would make
// its wait event only at the first contention, a handle appearing at a time
// nobody can foresee.)
class ConnectLockOwner {
 public:
  ConnectLockOwner() : mutex_(CreateMutexW(nullptr, FALSE, nullptr)) {}
  // A mutex left by a thread that ended holding it counts as taken.
  bool TakeWithin(DWORD milliseconds) {
    if (!mutex_.IsValid()) return false;
    const DWORD end = WaitForSingleObject(mutex_.get(), milliseconds);
    return end == WAIT_OBJECT_0 || end == WAIT_ABANDONED;
  }
  void Give() { ReleaseMutex(mutex_.get()); }

 private:
  KernelHandle mutex_;
};

ConnectLockOwner& ConnectLock() {
  static ConnectLockOwner lock;
  return lock;
}

bool IsSocket(std::uintptr_t value) {
  int type = 0;
  int size = sizeof(type);
  return getsockopt(static_cast<SOCKET>(value), SOL_SOCKET, SO_TYPE,
                    reinterpret_cast<char*>(&type), &size) == 0;
}

std::vector<std::uintptr_t> ProcessSockets() {
  std::vector<std::uintptr_t> sockets;
  for (std::uintptr_t value = kHandleStep; value < kHighestProbed; value += kHandleStep)
    if (IsSocket(value)) sockets.push_back(value);
  return sockets;
}

// The socket's local and peer addresses; false when it has no peer.
bool SocketEnds(std::uintptr_t value, std::vector<unsigned char>& local,
                std::vector<unsigned char>& peer) {
  sockaddr_storage address = {};
  int size = sizeof(address);
  if (getsockname(static_cast<SOCKET>(value), reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return false;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&address);
  local.assign(bytes, bytes + size);
  address = {};
  size = sizeof(address);
  if (getpeername(static_cast<SOCKET>(value), reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return false;
  peer.assign(bytes, bytes + size);
  return true;
}

}  // namespace

void BeginConnect(ConnectWatch& watch) {
  if (!watch.holdsLock) watch.holdsLock = ConnectLock().TakeWithin(kConnectLockWaitMs);
  watch.before = watch.holdsLock ? ProcessSockets() : std::vector<std::uintptr_t>();
}

void EndConnect(ConnectWatch& watch, std::vector<ClaimedSocket>& claimed) {
  if (!watch.holdsLock) return;
  for (std::uintptr_t value : ProcessSockets()) {
    if (std::find(watch.before.begin(), watch.before.end(), value) != watch.before.end()) continue;
    ClaimedSocket socket;
    socket.socket = value;
    if (SocketEnds(value, socket.local, socket.peer)) claimed.push_back(std::move(socket));
  }
  watch.before.clear();
  watch.holdsLock = false;
  ConnectLock().Give();
}

void ShutDownClaimed(const std::vector<ClaimedSocket>& claimed) {
  for (const ClaimedSocket& socket : claimed) {
    std::vector<unsigned char> local, peer;
    if (!SocketEnds(socket.socket, local, peer) || local != socket.local || peer != socket.peer)
      continue;
    shutdown(static_cast<SOCKET>(socket.socket), SD_BOTH);
  }
}
