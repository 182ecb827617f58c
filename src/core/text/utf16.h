#pragma once
// Text stored as UTF-16, recognised by its byte-order mark, turned into the
// UTF-8 the rest of the program reads.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvn {

/// The byte order of a UTF-16 text, or kNone for any other text.
enum class Utf16Order { kNone, kLittleEndian, kBigEndian };

/// The order named by a UTF-16 byte-order mark at the start of bytes
/// (FF FE little-endian, FE FF big-endian); kNone when there is none.
Utf16Order Utf16ByteOrderMark(std::string_view bytes);

/// Decodes UTF-16 that arrives in pieces of any size (a character may be
/// cut between them) and appends its UTF-8 form. The byte-order mark, when
/// given, becomes U+FEFF as in a UTF-8 text that starts with one. Unpaired
/// surrogates, and an odd byte at the end, become U+FFFD.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(Utf16Order order) : big_endian_(order == Utf16Order::kBigEndian) {}
  /// Decodes the next bytes, appending to out.
  void Decode(std::string_view bytes, std::string& out);
  /// Ends the text: what is left undecoded becomes U+FFFD.
  void Finish(std::string& out);

 private:
  void Unit(char16_t unit, std::string& out);

  bool big_endian_;
  bool odd_ = false;         // a byte of the next unit is held in odd_byte_
  unsigned char odd_byte_ = 0;
  char16_t high_ = 0;        // a high surrogate waiting for its low half
};

/// A whole text as UTF-8: decoded when it starts with a UTF-16 byte-order
/// mark (the mark dropped), otherwise as given.
std::string Utf16TextToUtf8(std::string_view bytes);

}  // namespace qvn
