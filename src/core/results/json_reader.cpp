#include "core/results/json_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <unordered_set>

#include "core/text/utf.h"

namespace qvn {
namespace {

// An object's member names seen so far, to refuse a repeated one: compared
// one by one while few, through a hash set of their indices beyond that.
class MemberNames {
 public:
  explicit MemberNames(const std::vector<std::string>& keys)
      : keys_(keys), indices_(0, Hash{&keys}, Same{&keys}) {}

  /// True when the last of keys repeats an earlier one.
  bool LastIsRepeated() {
    const std::size_t last = keys_.size() - 1;
    if (last < kFew)
      return std::find(keys_.begin(), keys_.end() - 1, keys_.back()) != keys_.end() - 1;
    if (indices_.empty())
      for (std::size_t i = 0; i < last; ++i) indices_.insert(i);
    return !indices_.insert(last).second;
  }

 private:
  static constexpr std::size_t kFew = 8;
  struct Hash {
    const std::vector<std::string>* keys;
    std::size_t operator()(std::size_t i) const { return std::hash<std::string>()((*keys)[i]); }
  };
  struct Same {
    const std::vector<std::string>* keys;
    bool operator()(std::size_t a, std::size_t b) const { return (*keys)[a] == (*keys)[b]; }
  };

  const std::vector<std::string>& keys_;
  std::unordered_set<std::size_t, Hash, Same> indices_;
};

class Parser {
 public:
  Parser(std::string_view text, const JsonLimits& limits) : s_(text), limits_(limits) {}

  bool ParseDocument(JsonValue& value) {
    if (s_.starts_with("\xEF\xBB\xBF")) i_ = 3;
    if (!ParseValue(value, 0)) return false;
    SkipSpace();
    return i_ == s_.size() || Fail("text after the end of the document");
  }

  std::string Error() const {
    const auto line = std::count(s_.begin(), s_.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(i_, s_.size())), '\n');
    return problem_ + " (line " + std::to_string(line + 1) + ")";
  }

 private:
  bool Fail(std::string problem) {
    if (problem_.empty()) problem_ = std::move(problem);
    return false;
  }

  void SkipSpace() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
      ++i_;
  }

  bool Literal(std::string_view word) {
    if (s_.substr(i_, word.size()) != word) return Fail("unknown word");
    i_ += word.size();
    return true;
  }

  bool ParseValue(JsonValue& value, std::size_t depth) {
    if (depth > limits_.max_depth)
      return Fail("nested more than " + std::to_string(limits_.max_depth) + " levels deep");
    if (++values_ > limits_.max_values)
      return Fail("more than " + std::to_string(limits_.max_values) + " values");
    SkipSpace();
    if (i_ >= s_.size()) return Fail("unexpected end");
    switch (s_[i_]) {
      case '{': return ParseObject(value, depth);
      case '[': return ParseArray(value, depth);
      case '"': value.type = JsonValue::Type::kString; return ParseString(value.text);
      case 't': value.type = JsonValue::Type::kBool; value.boolean = true; return Literal("true");
      case 'f': value.type = JsonValue::Type::kBool; return Literal("false");
      case 'n': value.type = JsonValue::Type::kNull; return Literal("null");
      default: return ParseNumber(value);
    }
  }

  bool ParseObject(JsonValue& value, std::size_t depth) {
    value.type = JsonValue::Type::kObject;
    ++i_;
    SkipSpace();
    if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
    MemberNames names(value.keys);
    for (;;) {
      SkipSpace();
      if (i_ >= s_.size() || s_[i_] != '"') return Fail("expected a member name");
      if (!ParseString(value.keys.emplace_back())) return false;
      if (names.LastIsRepeated()) return Fail("duplicate member \"" + value.keys.back() + "\"");
      SkipSpace();
      if (i_ >= s_.size() || s_[i_++] != ':') return Fail("expected ':'");
      value.items.emplace_back();
      if (!ParseValue(value.items.back(), depth + 1)) return false;
      if (!EndOfItem('}')) return false;
      if (s_[i_ - 1] == '}') return true;
    }
  }

  bool ParseArray(JsonValue& value, std::size_t depth) {
    value.type = JsonValue::Type::kArray;
    ++i_;
    SkipSpace();
    if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
    for (;;) {
      value.items.emplace_back();
      if (!ParseValue(value.items.back(), depth + 1)) return false;
      if (!EndOfItem(']')) return false;
      if (s_[i_ - 1] == ']') return true;
    }
  }

  // After an element: "," (more follow) or the closing bracket, consumed.
  bool EndOfItem(char close) {
    SkipSpace();
    if (i_ < s_.size() && (s_[i_] == ',' || s_[i_] == close)) return ++i_, true;
    return Fail(std::string("expected ',' or '") + close + "'");
  }

  bool Hex4(char32_t& unit) {
    if (i_ + 4 > s_.size()) return Fail("short \\u escape");
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(s_.data() + i_, s_.data() + i_ + 4, value, 16);
    if (ec != std::errc() || end != s_.data() + i_ + 4) return Fail("bad \\u escape");
    i_ += 4;
    unit = value;
    return true;
  }

  bool UnicodeEscape(std::string& out) {
    char32_t c = 0;
    if (!Hex4(c)) return false;
    if (c >= 0xDC00 && c <= 0xDFFF) return Fail("lone surrogate escape");
    if (c >= 0xD800 && c <= 0xDBFF) {
      char32_t low = 0;
      if (s_.substr(i_, 2) != "\\u") return Fail("lone surrogate escape");
      i_ += 2;
      if (!Hex4(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) return Fail("lone surrogate escape");
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, c);
    return true;
  }

  bool Escape(std::string& out) {
    if (i_ >= s_.size()) return Fail("unexpected end");
    const char c = s_[i_++];
    switch (c) {
      case '"': case '\\': case '/': out += c; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': return UnicodeEscape(out);
      default: return Fail("unknown escape");
    }
  }

  bool ParseString(std::string& out) {
    ++i_;  // the opening quote
    for (;;) {
      if (i_ >= s_.size()) return Fail("unterminated string");
      const char c = s_[i_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        out += c;
      } else if (!Escape(out)) {
        return false;
      }
    }
  }

  bool Digits() {
    const std::size_t start = i_;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    return i_ > start;
  }

  bool ParseNumber(JsonValue& value) {
    const std::size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    if (i_ < s_.size() && s_[i_] == '0') {
      ++i_;
    } else if (!Digits()) {
      return Fail("unexpected character");
    }
    if (i_ < s_.size() && s_[i_] == '.' && (++i_, !Digits())) return Fail("bad number");
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
      if (!Digits()) return Fail("bad number");
    }
    value.type = JsonValue::Type::kNumber;
    const auto [end, ec] = std::from_chars(s_.data() + start, s_.data() + i_, value.number);
    if (ec != std::errc() || end != s_.data() + i_) return Fail("number out of range");
    return true;
  }

  std::string_view s_;
  JsonLimits limits_;
  std::size_t i_ = 0;
  std::size_t values_ = 0;
  std::string problem_;
};

}  // namespace

bool JsonValue::IsInteger() const {
  return type == Type::kNumber && std::isfinite(number) && std::trunc(number) == number;
}

std::optional<long long> JsonValue::Integer() const {
  constexpr double kExact = 9007199254740992.0;  // 2^53
  if (!IsInteger() || number < -kExact || number > kExact) return std::nullopt;
  return static_cast<long long>(number);
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  if (type != Type::kObject) return nullptr;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error,
                                   const JsonLimits& limits) {
  if (!IsValidUtf8(text)) {
    if (error != nullptr) *error = "not UTF-8 text";
    return std::nullopt;
  }
  Parser parser(text, limits);
  JsonValue value;
  if (parser.ParseDocument(value)) return value;
  if (error != nullptr) *error = parser.Error();
  return std::nullopt;
}

}  // namespace qvn
