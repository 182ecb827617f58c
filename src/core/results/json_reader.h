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
  /// The value of a whole number that a double holds exactly (from -2^53 to
  /// 2^53); nullopt for anything else (a fraction, 1e300, no number).
  std::optional<long long> Integer() const;
  /// The member named key of an object; nullptr when absent or when this is no object.
  const JsonValue* Find(std::string_view key) const;
};

/// Bounds on what ParseJson builds, so that no document takes all memory.
struct JsonLimits {
  std::size_t max_depth = 256;         ///< levels of nesting
  std::size_t max_values = 4'000'000;  ///< values in all, members and elements included
};

/// Parses a whole JSON text. A leading UTF-8 byte-order mark is skipped; text
/// that is not UTF-8, duplicate member names (found through a hash, so large
/// objects take linear time), lone surrogate escapes, numbers beyond a
/// double's range and documents beyond limits are refused. nullopt when the
/// text is not such JSON, with *error (when given) naming the problem and
/// its line.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error,
                                   const JsonLimits& limits = {});

}  // namespace qvn
