#pragma once
// A short text that many broken links share (a server's answer, such as
// "404 Not Found"), held once for the whole process: a link keeps only a
// pointer, so a million links to other sites cost no more than a million
// local ones.

#include <string>
#include <string_view>

namespace qvn {

class SharedNote {
 public:
  SharedNote() = default;
  /// The text, stored once (thread-safe); "" is no text at all.
  SharedNote(std::string_view text);  // NOLINT: a note is written as its text
  SharedNote(const std::string& text) : SharedNote(std::string_view(text)) {}
  SharedNote(const char* text) : SharedNote(std::string_view(text)) {}

  const std::string& str() const;
  operator const std::string&() const { return str(); }
  bool empty() const { return text_ == nullptr; }
  /// Equal texts share their storage, so the pointers tell.
  bool operator==(const SharedNote& other) const { return text_ == other.text_; }

 private:
  const std::string* text_ = nullptr;
};

}  // namespace qvn
