#pragma once
// http and https addresses as the HTTP client needs them: split into parts,
// made fit to send, and resolved against a redirect's Location. Portable, so
// both clients follow redirects and test addresses the same way.

#include <optional>
#include <string>
#include <string_view>

namespace qvn {

/// An absolute http or https address, taken apart.
struct HttpUrl {
  std::string scheme;  ///< "http" or "https", lower case
  std::string host;    ///< lower case; an IPv6 address without its brackets
  int port = 0;        ///< given or the scheme's default (80, 443)
  std::string target;  ///< path and query, starting with "/"; no fragment
  /// scheme://host[:port]target, the port left out when it is the default.
  std::string Text() const;
  /// host[:port] as a Host header gives it (IPv6 in brackets).
  std::string Authority() const;
};

/// Parses an absolute http or https address; nullopt when it is not one (other
/// scheme, no host, a bad port). The fragment and any user name and password
/// are dropped; spaces, control characters, non-ASCII bytes and the few
/// characters that may not stand in an address are percent-encoded, so an
/// address written loosely in a page can be sent as it would be by a browser.
std::optional<HttpUrl> ParseHttpUrl(std::string_view text);

/// The address that reference (a Location header: absolute, "//host/...",
/// "/path", "path", "?query") names when read from base (RFC 3986, 5.2);
/// nullopt when the result is not an http or https address.
std::optional<HttpUrl> ResolveHttpReference(const HttpUrl& base, std::string_view reference);

/// True for hosts that are this machine by definition: "localhost",
/// 127.x.x.x written as four decimal numbers, and ::1. No name is looked up.
bool IsLoopbackHost(std::string_view host);

}  // namespace qvn
