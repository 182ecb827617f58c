#include "core/links/external/retry_after.h"

#include <array>
#include <vector>

namespace qvn {
namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

int MonthOf(std::string_view name) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
  if (name.size() != 3) return 0;
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(c | 0x20);
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (kMonths[i] == lower) return static_cast<int>(i) + 1;
  return 0;
}

std::optional<long long> Number(std::string_view digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  long long n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// "hh:mm:ss" as seconds of the day.
std::optional<long long> TimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto h = Number(text.substr(0, 2)), m = Number(text.substr(3, 2)),
             s = Number(text.substr(6, 2));
  if (!h || !m || !s || *h > 23 || *m > 59 || *s > 60) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ' ' && text[i] != ',' && text[i] != '-') continue;
    if (i > start) tokens.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return tokens;
}

}  // namespace

std::optional<long long> ParseHttpDate(std::string_view text) {
  // The three forms hold the same parts, the day always before the year:
  // tell them apart by their shape instead of their order.
  int month = 0;
  std::optional<long long> time;
  std::vector<long long> numbers;
  for (std::string_view token : Tokens(text)) {
    if (const int m = MonthOf(token)) {
      month = m;
    } else if (const auto t = TimeOfDay(token)) {
      time = t;
    } else if (const auto n = Number(token)) {
      numbers.push_back(*n);
    } else if (token != "GMT" && numbers.empty() && !month) {
      continue;  // the weekday
    } else if (token != "GMT") {
      return std::nullopt;
    }
  }
  if (!month || !time || numbers.size() != 2) return std::nullopt;
  const long long day = numbers[0];
  long long year = numbers[1];
  if (year < 100) year += year < 70 ? 2000 : 1900;  // the obsolete two-digit form
  if (day < 1 || day > 31 || year < 1970) return std::nullopt;
  return DaysFromCivil(year, month, static_cast<int>(day)) * 86400 + *time;
}

std::optional<std::chrono::seconds> ParseRetryAfter(std::string_view value, long long now) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  if (const auto seconds = Number(value)) return std::chrono::seconds(*seconds);
  const std::optional<long long> date = ParseHttpDate(value);
  if (!date) return std::nullopt;
  return std::chrono::seconds(*date > now ? *date - now : 0);
}

}  // namespace qvn
