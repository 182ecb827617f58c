#pragma once
// Text from pages and file names shown on a terminal: control characters
// are shown escaped, so a link cannot retitle the window or clear the screen.

#include <streambuf>
#include <string>
#include <string_view>

namespace qvn::cli {

/// text with each control character shown as an escape: C0 controls other
/// than line feed and tab, and DEL, as "\x1b"; C1 controls (U+0080 to
/// U+009F) as "\u009b"; a byte from 0x80 to 0x9F that is not part of
/// valid UTF-8 as "\x9b" (an 8-bit terminal would act on it). Everything
/// else is kept as it is.
std::string EscapeControls(std::string_view text);

/// A stream buffer that writes everything through EscapeControls to another
/// one. A UTF-8 sequence cut between two writes is held until it is whole.
class EscapingBuffer : public std::streambuf {
 public:
  explicit EscapingBuffer(std::streambuf& target) : target_(target) {}

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* data, std::streamsize count) override;
  int sync() override;

 private:
  bool Pass(std::string_view text);
  bool Write(const std::string& text);

  std::streambuf& target_;
  std::string pending_;  // the start of a UTF-8 sequence not yet whole
};

}  // namespace qvn::cli
