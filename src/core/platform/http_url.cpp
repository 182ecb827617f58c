#include "core/platform/http_url.h"

#include <algorithm>
#include <vector>

namespace qvn {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string_view TrimSpace(std::string_view text) {
  const auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
  };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

// Characters that may not stand in a request target as they are.
bool NeedsEncoding(unsigned char c) {
  if (c <= 0x20 || c >= 0x7F) return true;
  switch (c) {
    case '"':
    case '<':
    case '>':
    case '\\':
    case '^':
    case '`':
    case '{':
    case '|':
    case '}':
      return true;
    default:
      return false;
  }
}

// Percent-encodes what may not be sent; a "%" that starts no escape is encoded too.
std::string EncodeTarget(std::string_view target) {
  std::string out;
  out.reserve(target.size());
  for (std::size_t i = 0; i < target.size(); ++i) {
    const auto c = static_cast<unsigned char>(target[i]);
    const bool stray_percent = c == '%' && !(i + 2 < target.size() && IsHexDigit(target[i + 1]) &&
                                             IsHexDigit(target[i + 2]));
    if (NeedsEncoding(c) || stray_percent) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::optional<int> ParsePort(std::string_view digits, int fallback) {
  if (digits.empty()) return fallback;
  if (digits.size() > 5) return std::nullopt;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

bool IsBadHostByte(unsigned char c) {
  return c <= 0x20 || c == 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
         c == '`' || c == '{' || c == '|' || c == '}' || c == '%' || c == '/' || c == '?' ||
         c == '#' || c == '@' || c == '[' || c == ']';
}

// Splits "host[:port]" or "[v6][:port]" into url's host and port.
bool ParseHostPort(std::string_view hostport, HttpUrl& url) {
  const int fallback = url.scheme == "https" ? 443 : 80;
  std::string_view host = hostport, port;
  if (!hostport.empty() && hostport.front() == '[') {
    const std::size_t close = hostport.find(']');
    if (close == std::string_view::npos) return false;
    host = hostport.substr(1, close - 1);
    const std::string_view after = hostport.substr(close + 1);
    if (!after.empty() && after.front() != ':') return false;
    if (!after.empty()) port = after.substr(1);
    for (char c : host)
      if (!IsHexDigit(c) && c != ':' && c != '.') return false;
  } else {
    const std::size_t colon = hostport.rfind(':');
    if (colon != std::string_view::npos) {
      host = hostport.substr(0, colon);
      port = hostport.substr(colon + 1);
    }
    for (char c : host)
      if (IsBadHostByte(static_cast<unsigned char>(c)) || c == ':') return false;
  }
  const std::optional<int> number = ParsePort(port, fallback);
  if (host.empty() || !number) return false;
  url.host = Lower(host);
  url.port = *number;
  return true;
}

// RFC 3986, 5.2.4, over a path that starts with "/".
std::string RemoveDotSegments(std::string_view path) {
  std::vector<std::string_view> out;
  std::string_view rest = path.substr(1);
  while (true) {
    const std::size_t slash = rest.find('/');
    const std::string_view segment = rest.substr(0, slash);
    const bool last = slash == std::string_view::npos;
    if (segment == "..") {
      if (!out.empty()) out.pop_back();
    } else if (segment != ".") {
      out.push_back(segment);
    }
    if (last) {
      if (segment == "." || segment == "..") out.push_back("");
      break;
    }
    rest.remove_prefix(slash + 1);
  }
  std::string result;
  for (std::string_view segment : out) {
    result += '/';
    result += segment;
  }
  return result.empty() ? "/" : result;
}

// True when text starts with a scheme ("letters:" before any "/", "?" or "#").
bool HasScheme(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == 0 || colon == std::string_view::npos) return false;
  if (text.find_first_of("/?#") < colon) return false;
  for (char c : text.substr(0, colon))
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
          c == '-' || c == '.'))
      return false;
  return true;
}

}  // namespace

std::string HttpUrl::Authority() const {
  std::string text = host.find(':') != std::string::npos ? "[" + host + "]" : host;
  if (port != (scheme == "https" ? 443 : 80)) text += ":" + std::to_string(port);
  return text;
}

std::string HttpUrl::Text() const {
  return scheme + "://" + Authority() + target;
}

std::optional<HttpUrl> ParseHttpUrl(std::string_view text) {
  text = TrimSpace(text);
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  HttpUrl url;
  url.scheme = Lower(text.substr(0, colon));
  if ((url.scheme != "http" && url.scheme != "https") || text.substr(colon + 1, 2) != "//")
    return std::nullopt;
  std::string_view rest = text.substr(colon + 3);
  rest = rest.substr(0, rest.find('#'));
  const std::size_t end = rest.find_first_of("/?");
  std::string_view authority = rest.substr(0, end);
  const std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) authority.remove_prefix(at + 1);
  if (!ParseHostPort(authority, url)) return std::nullopt;
  std::string_view target = end == std::string_view::npos ? "" : rest.substr(end);
  url.target = EncodeTarget(target);
  if (url.target.empty() || url.target.front() != '/') url.target.insert(0, "/");
  return url;
}

std::optional<HttpUrl> ResolveHttpReference(const HttpUrl& base, std::string_view reference) {
  reference = TrimSpace(reference);
  reference = reference.substr(0, reference.find('#'));
  if (HasScheme(reference)) return ParseHttpUrl(reference);
  if (reference.substr(0, 2) == "//")
    return ParseHttpUrl(base.scheme + ":" + std::string(reference));
  const std::size_t question = reference.find('?');
  const std::string_view path = reference.substr(0, question);
  const std::size_t base_question = base.target.find('?');
  const std::string base_path = base.target.substr(0, base_question);
  std::string target;
  if (path.empty()) {
    target = base_path;
    if (question == std::string_view::npos && base_question != std::string::npos)
      target += base.target.substr(base_question);
  } else if (path.front() == '/') {
    target = RemoveDotSegments(path);
  } else {
    target = RemoveDotSegments(base_path.substr(0, base_path.rfind('/') + 1) + std::string(path));
  }
  if (question != std::string_view::npos) target += reference.substr(question);
  return ParseHttpUrl(base.scheme + "://" + base.Authority() + target);
}

bool IsLoopbackHost(std::string_view host) {
  if (host == "localhost" || host == "::1" || host == "0:0:0:0:0:0:0:1") return true;
  int parts = 0, first = -1;
  std::size_t start = 0;
  while (start <= host.size()) {
    const std::size_t dot = std::min(host.find('.', start), host.size());
    const std::string_view part = host.substr(start, dot - start);
    if (part.empty() || part.size() > 3) return false;
    int value = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    if (value > 255) return false;
    if (parts++ == 0) first = value;
    start = dot + 1;
  }
  return parts == 4 && first == 127;
}

}  // namespace qvn
