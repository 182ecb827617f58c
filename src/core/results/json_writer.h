#pragma once
// Writes JSON texts (RFC 8259) for the machine-readable results: two-space
// indentation, LF line ends, members in the order written, so that the same
// results always give the same bytes.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// text with every byte that is not part of well-formed UTF-8 replaced by
/// U+FFFD: file names on POSIX may hold any bytes, our documents may not.
std::string ToValidUtf8(std::string_view text);

/// Appends text as a JSON string: quoted, with '"', '\' and control
/// characters escaped, other characters as UTF-8 (invalid bytes as U+FFFD).
void AppendJsonString(std::string& out, std::string_view text);

/// Builds one JSON value. Calls must nest properly (every Begin has its End,
/// every Key is followed by one value); the writer does not check that.
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  /// Names the member whose value comes next.
  void Key(std::string_view key);
  void String(std::string_view text);
  void Number(long long number);
  void Bool(bool value);
  void Null();

  /// Key and value in one call.
  void Field(std::string_view key, std::string_view text);
  void Field(std::string_view key, long long number);
  void FieldBool(std::string_view key, bool value);

  /// The finished text, ending in a line end; the writer is left empty.
  std::string Take();

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine(std::size_t depth);

  std::string out_;
  std::vector<bool> has_items_;  // one per open object or array
  bool after_key_ = false;
};

}  // namespace qvn
