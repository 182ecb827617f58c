#include "core/links/html/css_urls.h"

#include "core/text/utf.h"

namespace qvn {

enum class CssUrlScanner::State : unsigned char {
  kNormal,
  kSlash,
  kComment,
  kCommentStar,
  kString,
  kStringEscape,
  kSkipEscaped,
  kUrlOpen,
  kUrlString,
  kUrlUnquoted,
  kUrlAfter,
  kUrlEscape,
  kUrlHex,
  kBadUrl,
  kBadUrlEscape,
};

namespace {

bool IsCssSpace(char c) { return c == ' ' || c == '\n' || c == '\t'; }
bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
bool IsNonPrintable(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b <= 0x08 || b == 0x0B || (b >= 0x0E && b <= 0x1F) || b == 0x7F;
}

}  // namespace

void CssUrlScanner::Reset() {
  state_ = State::kNormal;
  after_cr_ = false;
  in_word_ = false;
  start_pending_ = false;
  has_start_ = false;
}

void CssUrlScanner::Feed(std::string_view text) {
  for (const char* p = text.data(); p < text.data() + text.size(); ++p) {
    char c = *p;
    // CSS reads CR LF, CR and FF as one LF.
    if (c == '\n' && after_cr_) {
      after_cr_ = false;
      continue;
    }
    after_cr_ = c == '\r';
    if (c == '\r' || c == '\f') c = '\n';
    if (start_pending_) {
      start_pending_ = false;
      has_start_ = true;
      sink_.OnUrlStart(p);
    }
    while (!UrlChar(c, p)) {
    }
  }
}

void CssUrlScanner::Finish() {
  switch (state_) {
    case State::kUrlString:
    case State::kUrlUnquoted:
    case State::kUrlAfter:
    case State::kUrlEscape:
      Deliver();
      break;
    case State::kUrlHex:
      EndEscape();
      Deliver();
      break;
    default:
      break;
  }
  Reset();
}

void CssUrlScanner::Append(char c) {
  if (truncated_) return;  // nothing after the cut, or the url would have a hole
  if (url_.size() < kMaxHtmlValue) {
    url_.push_back(c);
  } else {
    Cut();
  }
}

void CssUrlScanner::Cut() {
  truncated_ = true;
  DropPartialSequence(url_);
}

void CssUrlScanner::Deliver() {
  if (has_start_) {
    MakeUtf8(url_, escapes_);
    sink_.OnUrl(url_, truncated_);
  }
  has_start_ = false;
}

// One character; false to read it again in the state it leads to.
bool CssUrlScanner::UrlChar(char c, const char* p) {
  switch (state_) {
    case State::kUrlOpen:
      if (IsCssSpace(c)) return true;
      url_.clear();
      escapes_.clear();
      truncated_ = false;
      if (c == '"' || c == '\'') {
        quote_ = c;
        state_ = State::kUrlString;
        start_pending_ = true;  // the url starts after the quote
        return true;
      }
      has_start_ = true;
      sink_.OnUrlStart(p);
      state_ = State::kUrlUnquoted;
      return false;
    case State::kUrlString:
      StringChar(c);
      return true;
    case State::kUrlUnquoted:
    case State::kUrlAfter:
      UnquotedChar(c);
      return true;
    case State::kUrlEscape:
    case State::kUrlHex:
      return EscapeChar(c);
    default:
      Normal(c);
      return true;
  }
}

void CssUrlScanner::StringChar(char c) {
  if (c == quote_) {
    Deliver();
    state_ = State::kNormal;
  } else if (c == '\n') {
    state_ = State::kNormal;  // a string cut by a line break is no url
    has_start_ = false;
  } else if (c == '\\') {
    escape_return_ = State::kUrlString;
    state_ = State::kUrlEscape;
  } else {
    Append(c);
  }
}

void CssUrlScanner::UnquotedChar(char c) {
  if (c == ')') {
    Deliver();
    state_ = State::kNormal;
  } else if (IsCssSpace(c)) {
    state_ = State::kUrlAfter;
  } else if (state_ == State::kUrlAfter || c == '"' || c == '\'' || c == '(' ||
             IsNonPrintable(c)) {
    state_ = State::kBadUrl;
    has_start_ = false;
    if (c == '\\') state_ = State::kBadUrlEscape;
  } else if (c == '\\') {
    escape_return_ = State::kUrlUnquoted;
    state_ = State::kUrlEscape;
  } else {
    Append(c);
  }
}

// After "\" in a url, and in its hex digits; false to read c again.
bool CssUrlScanner::EscapeChar(char c) {
  if (state_ == State::kUrlEscape) {
    if (c == '\n') {
      // In a string a line break after "\" continues it; in a bare url it spoils it.
      state_ = escape_return_ == State::kUrlString ? State::kUrlString : State::kBadUrl;
      if (state_ == State::kBadUrl) has_start_ = false;
      return true;
    }
    if (HexValue(c) < 0) {
      Append(c);
      state_ = escape_return_;
      return true;
    }
    escape_value_ = 0;
    escape_digits_ = 0;
    state_ = State::kUrlHex;
  }
  if (HexValue(c) >= 0 && escape_digits_ < 6) {
    escape_value_ = escape_value_ * 16 + static_cast<char32_t>(HexValue(c));
    ++escape_digits_;
    return true;
  }
  EndEscape();
  state_ = escape_return_;
  return IsCssSpace(c);  // one whitespace after the digits belongs to the escape
}

void CssUrlScanner::EndEscape() {
  char32_t c = escape_value_;
  if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  std::string text;
  AppendUtf8(text, c);
  if (truncated_) return;
  if (url_.size() + text.size() > kMaxHtmlValue) {
    Cut();
    return;
  }
  escapes_.push_back({url_.size(), url_.size() + text.size(), {}});
  url_ += text;
}

void CssUrlScanner::Normal(char c) {
  switch (state_) {
    case State::kSlash:
      state_ = State::kNormal;
      if (c == '*') {
        state_ = State::kComment;
        return;
      }
      break;
    case State::kComment:
      if (c == '*') state_ = State::kCommentStar;
      return;
    case State::kCommentStar:
      state_ = c == '/' ? State::kNormal : c == '*' ? State::kCommentStar : State::kComment;
      return;
    case State::kString:
      if (c == quote_ || c == '\n') state_ = State::kNormal;
      if (c == '\\') state_ = State::kStringEscape;
      return;
    case State::kStringEscape:
      state_ = State::kString;
      return;
    case State::kSkipEscaped:
      state_ = State::kNormal;
      return;
    case State::kBadUrl:  // skipped up to its ")"
      if (c == ')') state_ = State::kNormal;
      if (c == '\\') state_ = State::kBadUrlEscape;
      return;
    case State::kBadUrlEscape:
      state_ = State::kBadUrl;
      return;
    default:
      break;
  }
  Ident(c);
}

// Outside strings and comments: watches for the word "url" right before "(".
void CssUrlScanner::Ident(char c) {
  static constexpr std::string_view kUrl = "url";
  if (IsWordChar(c)) {
    if (!in_word_) {
      in_word_ = true;
      word_is_url_ = true;
      word_length_ = 0;
    }
    if (word_is_url_ && word_length_ < kUrl.size() && AsciiLower(c) == kUrl[word_length_]) {
      ++word_length_;
    } else {
      word_is_url_ = false;
    }
    return;
  }
  const bool opens_url = c == '(' && in_word_ && word_is_url_ && word_length_ == kUrl.size();
  in_word_ = false;
  if (opens_url) {
    state_ = State::kUrlOpen;
  } else {
    Punctuation(c);
  }
}

void CssUrlScanner::Punctuation(char c) {
  switch (c) {
    case '/':
      state_ = State::kSlash;
      break;
    case '"':
    case '\'':
      quote_ = c;
      state_ = State::kString;
      break;
    case '\\':  // an escape belongs to a word, which is then not "url"
      state_ = State::kSkipEscaped;
      [[fallthrough]];
    case '#':  // "#url(" and "@url(" are a hash and an at-keyword
    case '@':
      in_word_ = true;
      word_is_url_ = false;
      break;
    default:
      break;
  }
}

}  // namespace qvn
