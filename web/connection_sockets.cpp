#include "web/connection_sockets.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <chrono>

namespace {

// Socket values are small handle values; WinINet's lie far below this.
constexpr std::uintptr_t kHighestProbed = 0x4000;
constexpr std::uintptr_t kHandleStep = 4;
// A connect that never ends keeps other exchanges waiting at most this long;
// they then connect without finding their sockets (their calls still end at
// their time-outs).
constexpr auto kConnectLockWait = std::chrono::seconds(3);

std::timed_mutex& ConnectLock() {
  static std::timed_mutex lock;
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
  if (!watch.holdsLock) watch.holdsLock = ConnectLock().try_lock_for(kConnectLockWait);
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
  ConnectLock().unlock();
}

void ShutDownClaimed(const std::vector<ClaimedSocket>& claimed) {
  for (const ClaimedSocket& socket : claimed) {
    std::vector<unsigned char> local, peer;
    if (!SocketEnds(socket.socket, local, peer) || local != socket.local || peer != socket.peer)
      continue;
    shutdown(static_cast<SOCKET>(socket.socket), SD_BOTH);
  }
}
