#include "core/text/text.h"

#include <algorithm>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string_view TrimTrailingBlanks(std::string_view s) {
  std::size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return s.substr(0, e);
}

std::string_view TrimSpaces(std::string_view s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string LeftPart(std::string_view s, long long n) {
  if (n <= 0) return {};
  std::size_t i = 0;
  for (long long k = 0; k < n && i < s.size(); ++k) DecodeNext(s, i);
  return std::string(s.substr(0, i));
}

std::size_t SplitList(std::string_view text, std::string_view delimiter, long long start_position,
                      std::vector<std::string>& items, bool trim, std::size_t max_items,
                      std::size_t min_length) {
  if (delimiter.empty()) return 0;
  std::size_t skip = 0;
  for (long long k = 1; k < start_position && skip < text.size(); ++k) DecodeNext(text, skip);
  std::string rest(text.substr(skip));
  if (rest.empty()) return 0;
  if (rest.starts_with(delimiter)) rest.erase(0, delimiter.size());
  if (!rest.ends_with(delimiter)) rest.append(delimiter);

  std::vector<std::string> stored;
  std::string_view view = rest;
  while (!view.empty()) {
    // A delimiter that overlaps itself ("aa") can leave a tail without one.
    const std::size_t cut = std::min(view.find(delimiter), view.size());
    std::string_view item = view.substr(0, cut);
    if (trim) item = TrimSpaces(item);
    if (Utf16Length(item) >= min_length) {
      stored.emplace_back(item);
      if (max_items > 0 && stored.size() >= max_items) break;
    }
    view.remove_prefix(std::min(cut + delimiter.size(), view.size()));
    if (delimiter == " ") view.remove_prefix(std::min(view.find_first_not_of(' '), view.size()));
  }
  // Nothing stored leaves the caller's list as it was.
  const std::size_t count = stored.size();
  if (count > 0) items = std::move(stored);
  return count;
}

std::size_t SplitLines(std::string_view text, std::vector<std::string>& items, CaseMode mode,
                       bool trim) {
  items.assign(1, std::string());
  std::size_t count = 0;
  std::string_view rest = text;
  while (!TrimSpaces(rest).empty()) {
    const std::size_t cut = rest.find("\r\n");
    std::string_view line = rest.substr(0, cut);
    if (!TrimSpaces(line).empty()) {
      std::string stored(trim ? TrimSpaces(line) : line);
      if (mode == CaseMode::kLower) stored = LowerCaseLatin(stored);
      if (mode == CaseMode::kUpper) stored = UpperCaseLatin(stored);
      if (count < items.size()) {
        items[count] = std::move(stored);
      } else {
        items.push_back(std::move(stored));
      }
      ++count;
    }
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + 2);
  }
  return count;
}

std::string JoinArray(const std::vector<std::string>& items, std::string_view separator,
                      bool keep_trailing, long long first, long long last) {
  if (items.empty()) return {};
  const long long lo = first < 0 ? 0 : first;
  const long long hi = last < 0 ? static_cast<long long>(items.size()) - 1 : last;
  std::string out;
  for (long long i = lo; i <= hi && i < static_cast<long long>(items.size()); ++i) {
    out += items[i];
    out += separator;
  }
  if (!keep_trailing && out.size() >= separator.size()) out.resize(out.size() - separator.size());
  return out;
}

std::string RepeatText(std::string_view s, long long n) {
  std::string out;
  for (long long k = 0; k < n; ++k) out += s;
  return out;
}

long long FindFirstOfChars(std::string_view s, long long start, std::string_view set,
                           long long& set_index) {
  set_index = 0;
  if (s.empty() || set.empty()) return 0;
  const std::u32string chars = ToChars(s), members = ToChars(set);
  for (std::size_t i = static_cast<std::size_t>(std::max(start, 1LL)) - 1; i < chars.size(); ++i) {
    const std::size_t at = members.find(chars[i]);
    if (at != std::u32string::npos) {
      set_index = static_cast<long long>(at) + 1;
      return static_cast<long long>(i) + 1;
    }
  }
  return 0;
}

long long FindFirstNotOfChars(std::string_view s, long long start, std::string_view set) {
  if (s.empty()) return 0;
  if (set.empty()) return 1;
  const std::u32string chars = ToChars(s), members = ToChars(set);
  for (std::size_t i = static_cast<std::size_t>(std::max(start, 1LL)) - 1; i < chars.size(); ++i) {
    if (members.find(chars[i]) == std::u32string::npos) return static_cast<long long>(i) + 1;
  }
  return 0;
}

void RemoveChars(std::string& s, std::string_view set) {
  const std::u32string members = ToChars(set);
  std::u32string chars = ToChars(s);
  std::erase_if(chars, [&](char32_t c) { return members.find(c) != std::u32string::npos; });
  s = FromChars(chars);
}

void StripTrailingSuffix(std::string& s, std::string_view suffix) {
  if (suffix.empty()) return;
  while (s.ends_with(suffix)) s.resize(s.size() - suffix.size());
}

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
  if (from.empty() || s.find(from) == std::string::npos) return;
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(s, pos, hit - pos);
    out.append(to);
  }
  out.append(s, pos, std::string::npos);
  s = std::move(out);
}

}  // namespace qvn
