#pragma once
// The url(...) values of CSS text (a style sheet in a style element, or a
// style attribute), fed in pieces of any size. Tokenizing follows CSS: quoted
// and unquoted urls, escapes (decoded), comments and strings (no urls inside),
// "url" only as a whole word; a url without its ")" at the end still counts.
// Not recognised: "url" written with escapes, and urls of @import "x.css"
// given as a bare string.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/links/html/html_value.h"

namespace qvn {

class CssUrlScanner {
 public:
  class Sink {
   public:
    virtual ~Sink() = default;
    /// The next url starts at p, a character of the piece being fed (for an
    /// empty url: the character after where it would be).
    virtual void OnUrlStart(const char* p) = 0;
    /// The url's text: escapes decoded, UTF-8 (bytes that are not are read
    /// as Windows-1252); truncated when longer than kMaxHtmlValue.
    virtual void OnUrl(std::string_view url, bool truncated) = 0;
  };

  explicit CssUrlScanner(Sink& sink) : sink_(sink) {}
  void Feed(std::string_view text);
  /// The end of the text: an open url is given as it stands.
  void Finish();
  void Reset();

 private:
  enum class State : unsigned char;
  void Normal(char c);
  void Ident(char c);
  void Punctuation(char c);
  bool UrlChar(char c, const char* p);
  void StringChar(char c);
  void UnquotedChar(char c);
  bool EscapeChar(char c);
  void EndEscape();
  void Append(char c);
  void Cut();
  void Deliver();

  Sink& sink_;
  State state_{};
  State escape_return_{};  // the url state an escape returns to
  char quote_ = '"';
  bool after_cr_ = false;
  bool in_word_ = false;    // the last character continued a word
  bool word_is_url_ = false;  // the word so far is a start of "url"
  std::size_t word_length_ = 0;
  bool start_pending_ = false;  // the url starts at the next character
  bool has_start_ = false;
  std::string url_;
  bool truncated_ = false;
  std::vector<ValueAnchor> escapes_;  // spans of decoded escapes in url_
  char32_t escape_value_ = 0;
  std::size_t escape_digits_ = 0;
};

}  // namespace qvn
