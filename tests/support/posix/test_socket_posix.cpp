#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "support/test_socket.h"

namespace qvn::test {
namespace {

SocketHandle BoundSocket(const std::string& address, int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return kNoSocket;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = 0;
  socklen_t length = sizeof addr;
  if (inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1 ||
      bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
    close(fd);
    return kNoSocket;
  }
  port = ntohs(addr.sin_port);
  return fd;
}

}  // namespace

SocketHandle ListenOn(const std::string& address, int& port) {
  const SocketHandle fd = BoundSocket(address, port);
  if (fd != kNoSocket && listen(fd, 512) != 0) {
    close(fd);
    return kNoSocket;
  }
  return fd;
}

SocketHandle BindOnly(const std::string& address, int& port) {
  return BoundSocket(address, port);
}

int WaitForConnection(const std::vector<SocketHandle>& listeners, int timeout_ms) {
  std::vector<pollfd> fds;
  for (SocketHandle fd : listeners) fds.push_back({fd, POLLIN, 0});
  if (poll(fds.data(), fds.size(), timeout_ms) <= 0) return -1;
  for (std::size_t i = 0; i < fds.size(); ++i)
    if (fds[i].revents & POLLIN) return static_cast<int>(i);
  return -1;
}

SocketHandle AcceptConnection(SocketHandle listener) {
  const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  return fd < 0 ? kNoSocket : fd;
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
  ssize_t n;
  do n = recv(socket, buffer, size, 0);
  while (n < 0 && errno == EINTR);
  return static_cast<long>(n);
}

bool SendAll(SocketHandle socket, std::string_view bytes) {
  while (!bytes.empty()) {
    // MSG_NOSIGNAL: a client that hangs up must not end the test program.
    const ssize_t n = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void ShutdownSocket(SocketHandle socket) {
  shutdown(socket, SHUT_RDWR);
}

void CloseSocket(SocketHandle socket) {
  close(socket);
}

}  // namespace qvn::test
