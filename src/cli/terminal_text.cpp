#include "cli/terminal_text.h"

#include <cstdio>

namespace qvn::cli {
namespace {

// Length of the UTF-8 sequence whose lead byte is lead; 0 for a byte that
// cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid sequence at text[i], or 0 (not valid, or cut short).
std::size_t ValidSequence(std::string_view text, std::size_t i) {
  const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
  return length;
}

void AppendEscape(std::string& out, const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

// How many bytes at the end of text begin a UTF-8 sequence not yet whole.
std::size_t CutSequence(std::string_view text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if (IsContinuation(byte)) continue;
    return SequenceLength(byte) > back ? back : 0;
  }
  return 0;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = ValidSequence(text, i);
    const std::size_t step = length == 0 ? 1 : length;
    if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F ||
        (length == 0 && byte >= 0x80 && byte <= 0x9F)) {
      AppendEscape(out, "\\x%02x", byte);
    } else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      AppendEscape(out, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
    } else {
      out.append(text.substr(i, step));
    }
    i += step;
  }
  return out;
}

bool EscapingBuffer::Pass(std::string_view text) {
  std::string whole = pending_;
  whole.append(text);
  const std::size_t cut = CutSequence(whole);
  pending_ = whole.substr(whole.size() - cut);
  whole.resize(whole.size() - cut);
  return Write(EscapeControls(whole));
}

bool EscapingBuffer::Write(const std::string& text) {
  const auto size = static_cast<std::streamsize>(text.size());
  return target_.sputn(text.data(), size) == size;
}

EscapingBuffer::int_type EscapingBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const char c = traits_type::to_char_type(ch);
  return Pass(std::string_view(&c, 1)) ? ch : traits_type::eof();
}

std::streamsize EscapingBuffer::xsputn(const char* data, std::streamsize count) {
  return Pass(std::string_view(data, static_cast<std::size_t>(count))) ? count : 0;
}

int EscapingBuffer::sync() {
  // A sequence never completed is shown as the bytes it has.
  const bool written = pending_.empty() || Write(EscapeControls(pending_));
  pending_.clear();
  return written && target_.pubsync() == 0 ? 0 : -1;
}

}  // namespace qvn::cli
