#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

#include "support/test_socket.h"

namespace qvn::test {
namespace {

void StartWinsock() {
  static std::once_flag once;
  std::call_once(once, [] {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  });
}

SocketHandle BoundSocket(const std::string& address, int& port) {
  StartWinsock();
  const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return kNoSocket;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = 0;
  int length = sizeof addr;
  if (inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1 ||
      bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
    closesocket(s);
    return kNoSocket;
  }
  port = ntohs(addr.sin_port);
  return static_cast<SocketHandle>(s);
}

}  // namespace

SocketHandle ListenOn(const std::string& address, int& port) {
  const SocketHandle s = BoundSocket(address, port);
  if (s != kNoSocket && listen(static_cast<SOCKET>(s), SOMAXCONN) != 0) {
    closesocket(static_cast<SOCKET>(s));
    return kNoSocket;
  }
  return s;
}

SocketHandle BindOnly(const std::string& address, int& port) {
  return BoundSocket(address, port);
}

int WaitForConnection(const std::vector<SocketHandle>& listeners, int timeout_ms) {
  fd_set set;
  FD_ZERO(&set);
  for (SocketHandle s : listeners) FD_SET(static_cast<SOCKET>(s), &set);
  timeval timeout{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
  if (select(0, &set, nullptr, nullptr, &timeout) <= 0) return -1;
  for (std::size_t i = 0; i < listeners.size(); ++i)
    if (FD_ISSET(static_cast<SOCKET>(listeners[i]), &set)) return static_cast<int>(i);
  return -1;
}

SocketHandle AcceptConnection(SocketHandle listener) {
  const SOCKET s = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(s);
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
  return recv(static_cast<SOCKET>(socket), buffer, static_cast<int>(size), 0);
}

bool SendAll(SocketHandle socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const int n =
        send(static_cast<SOCKET>(socket), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void ShutdownSocket(SocketHandle socket) {
  shutdown(static_cast<SOCKET>(socket), SD_BOTH);
}

void CloseSocket(SocketHandle socket) {
  closesocket(static_cast<SOCKET>(socket));
}

}  // namespace qvn::test
