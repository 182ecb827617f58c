#include "core/links/html/html_charref.h"

#include <algorithm>

#include "core/text/utf.h"

namespace qvn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAlnum(char c) { return IsDigit(c) || IsAlpha(c); }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The table entry named exactly `name`, or nullptr.
const detail::NamedCharRef* FindName(std::string_view name) {
  const auto* begin = detail::kNamedCharRefs;
  const auto* end = begin + detail::kNamedCharRefCount;
  const auto* it = std::lower_bound(begin, end, name, [](const detail::NamedCharRef& ref,
                                                         std::string_view key) {
    return std::string_view(ref.name) < key;
  });
  return it != end && std::string_view(it->name) == name ? it : nullptr;
}

}  // namespace

void CharRefReader::Begin() {
  mode_ = Mode::kStart;
  done_ = false;
  value_ = 0;
  used_ = 0;
  taken_.clear();
  decoded_.clear();
}

void CharRefReader::Accumulate(unsigned digit, unsigned base) {
  // Saturates: anything past U+10FFFF gives U+FFFD anyway.
  value_ = std::min<std::uint32_t>(value_ * base + digit, 0x110000);
}

bool CharRefReader::Offer(char c) {
  switch (mode_) {
    case Mode::kStart:
      if (c != '#' && !IsAlnum(c)) {
        done_ = true;
        return false;
      }
      mode_ = c == '#' ? Mode::kNumber : Mode::kNamed;
      taken_.push_back(c);
      return true;
    case Mode::kNamed:
      if (IsAlnum(c) || c == ';') {
        taken_.push_back(c);
        if (c == ';' || taken_.size() > detail::kLongestCharRefName) ResolveName('\0');
        return true;
      }
      ResolveName(c);
      return false;
    default:
      return OfferDigit(c);
  }
}

bool CharRefReader::OfferDigit(char c) {
  if (mode_ == Mode::kNumber && (c == 'x' || c == 'X')) {
    mode_ = Mode::kHexStart;
    taken_.push_back(c);
    return true;
  }
  const bool hex = mode_ == Mode::kHexStart || mode_ == Mode::kHex;
  const int digit = hex ? HexValue(c) : IsDigit(c) ? c - '0' : -1;
  if (digit >= 0) {
    mode_ = hex ? Mode::kHex : Mode::kDecimal;
    Accumulate(static_cast<unsigned>(digit), hex ? 16 : 10);
    taken_.push_back(c);
    return true;
  }
  done_ = true;
  // "&#" or "&#x" without digits stays as written.
  if (mode_ != Mode::kDecimal && mode_ != Mode::kHex) return false;
  if (c == ';') taken_.push_back(c);
  ResolveNumber();
  return c == ';';
}

void CharRefReader::ResolveName(char next) {
  done_ = true;
  const std::size_t longest = std::min(taken_.size(), detail::kLongestCharRefName);
  for (std::size_t length = longest; length > 0; --length) {
    const detail::NamedCharRef* ref = FindName(std::string_view(taken_).substr(0, length));
    if (ref == nullptr) continue;
    // In an attribute a legacy name before "=" or an alphanumeric stays text
    // ("?a=1&copy=2" keeps "&copy").
    const char after = length < taken_.size() ? taken_[length] : next;
    if (taken_[length - 1] != ';' && (after == '=' || IsAlnum(after))) return;
    decoded_ = ref->text;
    used_ = length;
    return;
  }
}

void CharRefReader::ResolveNumber() {
  char32_t c = value_;
  if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c >= 0x80 && c <= 0x9F) {
    decoded_ = Windows1252ToUtf8(std::string(1, static_cast<char>(c)));
  } else {
    AppendUtf8(decoded_, c);
  }
  used_ = taken_.size();
}

}  // namespace qvn
