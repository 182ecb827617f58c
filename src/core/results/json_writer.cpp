#include "core/results/json_writer.h"

#include "core/text/utf.h"

namespace qvn {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsRawByte(char32_t c) { return c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF; }

void AppendEscaped(std::string& out, char32_t c) {
  static constexpr char kHex[] = "0123456789abcdef";
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  if (c < 0x20) {
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
    return;
  }
  AppendUtf8(out, IsRawByte(c) ? kReplacement : c);
}

}  // namespace

std::string ToValidUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = DecodeNext(text, i);
    AppendUtf8(out, IsRawByte(c) ? kReplacement : c);
  }
  return out;
}

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
      out += text[i++];  // the common case, without decoding
      continue;
    }
    AppendEscaped(out, DecodeNext(text, i));
  }
  out += '"';
}

void JsonWriter::NewLine(std::size_t depth) {
  out_ += '\n';
  out_.append(depth * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (has_items_.empty()) return;
  if (has_items_.back()) out_ += ',';
  has_items_.back() = true;
  NewLine(has_items_.size());
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ += bracket;
  has_items_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool had_items = has_items_.back();
  has_items_.pop_back();
  if (had_items) NewLine(has_items_.size());
  out_ += bracket;
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  AppendJsonString(out_, key);
  out_ += ": ";
  after_key_ = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  AppendJsonString(out_, text);
}

void JsonWriter::Number(long long number) {
  BeforeValue();
  out_ += std::to_string(number);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonWriter::Field(std::string_view key, std::string_view text) {
  Key(key);
  String(text);
}

void JsonWriter::Field(std::string_view key, long long number) {
  Key(key);
  Number(number);
}

void JsonWriter::FieldBool(std::string_view key, bool value) {
  Key(key);
  Bool(value);
}

std::string JsonWriter::Take() {
  out_ += '\n';
  std::string text = std::move(out_);
  out_.clear();
  has_items_.clear();
  after_key_ = false;
  return text;
}

}  // namespace qvn
