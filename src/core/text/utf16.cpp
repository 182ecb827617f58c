#include "core/text/utf16.h"

#include "core/text/utf.h"

namespace qvn {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

Utf16Order Utf16ByteOrderMark(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16Order::kLittleEndian;
  if (bytes.starts_with("\xFE\xFF")) return Utf16Order::kBigEndian;
  return Utf16Order::kNone;
}

void Utf16Decoder::Unit(char16_t unit, std::string& out) {
  if (high_ != 0) {
    const char16_t high = high_;
    high_ = 0;
    if (IsLow(unit)) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00));
      return;
    }
    AppendUtf8(out, kReplacement);
  }
  if (IsHigh(unit)) {
    high_ = unit;
  } else {
    // A lone low surrogate would read as a raw byte's stand-in: replace it.
    AppendUtf8(out, IsLow(unit) ? kReplacement : unit);
  }
}

void Utf16Decoder::Decode(std::string_view bytes, std::string& out) {
  std::size_t i = 0;
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  if (odd_ && !bytes.empty()) {
    odd_ = false;
    const unsigned char second = byte(i++);
    Unit(static_cast<char16_t>(big_endian_ ? odd_byte_ << 8 | second : second << 8 | odd_byte_),
         out);
  }
  for (; i + 1 < bytes.size(); i += 2) {
    const unsigned first = byte(i), second = byte(i + 1);
    Unit(static_cast<char16_t>(big_endian_ ? first << 8 | second : second << 8 | first), out);
  }
  if (i < bytes.size()) {
    odd_ = true;
    odd_byte_ = byte(i);
  }
}

void Utf16Decoder::Finish(std::string& out) {
  if (high_ != 0) AppendUtf8(out, kReplacement);
  if (odd_) AppendUtf8(out, kReplacement);
  high_ = 0;
  odd_ = false;
}

std::string Utf16TextToUtf8(std::string_view bytes) {
  const Utf16Order order = Utf16ByteOrderMark(bytes);
  if (order == Utf16Order::kNone) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  Utf16Decoder decoder(order);
  decoder.Decode(bytes.substr(2), out);
  decoder.Finish(out);
  return out;
}

}  // namespace qvn
