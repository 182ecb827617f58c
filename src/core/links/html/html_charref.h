#pragma once
// Character references inside attribute values ("&amp;", "&eacute;",
// "&#233;", "&#xE9;"), read as the HTML standard reads them: every named
// reference of the standard's table (longest match; the legacy names also
// without ";", except before "=" or a letter or digit), decimal and
// hexadecimal numbers (0, surrogates and values past U+10FFFF give U+FFFD,
// 128..159 the Windows-1252 character). Anything else stays as written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qvn {
namespace detail {

struct NamedCharRef {
  const char* name;  ///< without "&", with ";" where the table has it
  const char* text;  ///< UTF-8
};
extern const NamedCharRef kNamedCharRefs[];  // sorted by name, bytewise
extern const std::size_t kNamedCharRefCount;
extern const std::size_t kLongestCharRefName;

}  // namespace detail

/// Reads one reference a character at a time, from just after its "&". Its
/// state lives here, so a reference may be split between blocks.
class CharRefReader {
 public:
  void Begin();
  /// Offers the next character: true when the reference took it. Once it
  /// refuses one, or takes a closing ";" (or the longest name's length is
  /// reached), done() is true; a refused character belongs to what follows.
  bool Offer(char c);
  bool done() const { return done_; }
  /// After done(): what the reference stands for, or "" when the "&" and the
  /// characters taken stay as written.
  std::string_view decoded() const { return decoded_; }
  /// After done(): the characters taken (after "&").
  std::string_view taken() const { return taken_; }
  /// After done() with a decoded text: the characters taken after the
  /// reference's end (a legacy name followed by more letters), kept as written.
  std::string_view rest() const { return std::string_view(taken_).substr(used_); }

 private:
  enum class Mode : unsigned char { kStart, kNamed, kNumber, kHexStart, kDecimal, kHex };
  bool OfferDigit(char c);
  void ResolveName(char next);
  void ResolveNumber();
  void Accumulate(unsigned digit, unsigned base);

  Mode mode_ = Mode::kStart;
  bool done_ = false;
  std::uint32_t value_ = 0;
  std::size_t used_ = 0;
  std::string taken_, decoded_;
};

}  // namespace qvn
