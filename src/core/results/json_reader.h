#pragma once
// Reads JSON texts (RFC 8259), such as a baseline file, into a tree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

struct JsonValue {
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  Type type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;              ///< a string's value, UTF-8
  std::vector<JsonValue> items;  ///< an array's elements, or an object's member values
  std::vector<std::string> keys;  ///< an object's member names, in document order (keys[i] names items[i])

  bool Is(Type t) const { return type == t; }
  /// True for a number without a fractional part.
  bool IsInteger() const;
  /// The member named key of an object; nullptr when absent or when this is no object.
  const JsonValue* Find(std::string_view key) const;
};

/// Parses a whole JSON text. A leading UTF-8 byte-order mark is skipped; text
/// that is not UTF-8, duplicate member names, lone surrogate escapes and
/// nesting deeper than 256 levels are refused. nullopt when the text is not
/// such JSON, with *error (when given) naming the problem and its line.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error);

}  // namespace qvn
