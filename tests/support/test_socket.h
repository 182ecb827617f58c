#pragma once
// The few TCP calls the test HTTP server needs, for POSIX and Winsock.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qvn::test {

#ifdef _WIN32
using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle kNoSocket = ~SocketHandle{0};
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
#endif

/// A socket listening on an IPv4 address at a free port (port is set);
/// kNoSocket when it cannot be made.
SocketHandle ListenOn(const std::string& address, int& port);
/// A socket bound to a free port of address but not listening, so that a
/// connection to that port is refused while the socket is kept.
SocketHandle BindOnly(const std::string& address, int& port);
/// Index of a listener with a connection waiting, after up to timeout_ms; -1 for none.
int WaitForConnection(const std::vector<SocketHandle>& listeners, int timeout_ms);
SocketHandle AcceptConnection(SocketHandle listener);
/// Bytes received (> 0), 0 when the peer closed, < 0 on error.
long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size);
/// False when the peer is gone.
bool SendAll(SocketHandle socket, std::string_view bytes);
/// Ends both directions, so a receive blocked on the socket returns.
void ShutdownSocket(SocketHandle socket);
void CloseSocket(SocketHandle socket);

}  // namespace qvn::test
