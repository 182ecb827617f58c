#include "core/text/number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace qvn {
namespace {

constexpr double kKb = 1024.0;
constexpr double kMb = 1024.0 * 1024.0;
constexpr int kMaxDecimals = 32767;

// The integer part of a number as digits, "," between groups of three.
std::string GroupThousands(std::string_view digits) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) out.push_back(',');
    out.push_back(digits[k]);
  }
  return out;
}

// Adds one unit in the last place of a string of decimal digits; returns false
// when the carry runs out of the front (all nines).
bool IncrementDigits(std::string& digits) {
  for (auto k = digits.size(); k-- > 0;) {
    if (digits[k] != '9') {
      ++digits[k];
      return true;
    }
    digits[k] = '0';
  }
  return false;
}

// v (finite, not negative) with `decimals` decimals and grouped thousands.
// The value is first taken to 15 significant digits, the precision a double
// reliably holds, so 1.005 rounds as its decimal form suggests and not as its
// binary neighbour 1.00499... would.
std::string FormatFixed(double v, int decimals) {
  std::array<char, 32> buf{};
  const auto end =
      std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 14).ptr;
  const std::string_view sci(buf.data(), end - buf.data());  // "d.dddddddddddddde+XX"
  const std::size_t e = sci.find('e');
  std::string digits(sci.substr(0, 1));
  digits.append(sci.substr(2, e - 2));
  const int point = std::atoi(sci.data() + e + 1) + 1;  // digits before the point

  std::size_t int_len = static_cast<std::size_t>(std::max(point, 1));
  if (point <= 0) digits.insert(0, static_cast<std::size_t>(1 - point), '0');
  const std::size_t wanted = int_len + static_cast<std::size_t>(decimals);
  if (digits.size() <= wanted) digits.resize(wanted + 1, '0');

  const bool round_up = digits[wanted] >= '5';
  digits.resize(wanted);
  if (round_up && !IncrementDigits(digits)) {
    digits.insert(0, 1, '1');
    ++int_len;
  }
  std::string out = GroupThousands(std::string_view(digits).substr(0, int_len));
  if (decimals > 0) out.append(".").append(digits, int_len, std::string::npos);
  return out;
}

// A byte count below 1024 the way a plain number converts to text: whole
// numbers as digits, anything else with up to 15 significant digits.
std::string PlainNumber(double v) {
  std::array<char, 32> buf{};
  const auto end =
      std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, 15).ptr;
  std::string out(buf.data(), end);
  std::replace(out.begin(), out.end(), 'e', 'E');
  return out;
}

std::string ByteSizeText(double bytes, int decimals, bool with_gb) {
  if (bytes == 0) return "0 bytes";
  if (bytes < kKb) return PlainNumber(bytes) + " bytes";
  decimals = decimals < 0 ? 2 : std::min(decimals, kMaxDecimals);
  if (bytes < kMb) return FormatFixed(bytes / kKb, decimals) + " Kb";
  const double mb = bytes / kMb;
  if (with_gb && mb >= 1024) return FormatFixed(mb / 1024, decimals) + " Gb";
  return FormatFixed(mb, decimals) + " Mb";
}

}  // namespace

std::string FormatGrouped(long long n) {
  // The magnitude goes through unsigned so the most negative value survives.
  const unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  const std::string grouped = GroupThousands(std::to_string(magnitude));
  return n < 0 ? "-" + grouped : grouped;
}

std::string NumberInWords(long long n) {
  static constexpr std::string_view kSmall[] = {
      "No",       "One",     "Two",     "Three",     "Four",     "Five",     "Six",
      "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
      "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};
  static constexpr std::string_view kTens[] = {"",      "",      "Twenty",  "Thirty", "Forty",
                                               "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
  if (n < 0 || n >= 100) return FormatGrouped(n);
  if (n <= 20) return std::string(kSmall[n]);
  std::string words(kTens[n / 10]);
  if (n % 10 != 0) {
    std::string units(kSmall[n % 10]);
    units[0] = static_cast<char>(units[0] - 'A' + 'a');
    words.append(" ").append(units);
  }
  return words;
}

std::string FormatByteSize(double bytes, int decimals) {
  if (!std::isfinite(bytes) || bytes < 0) return {};
  return ByteSizeText(bytes, decimals, false);
}

std::string FormatByteSizeUpToGb(double bytes, int decimals) {
  if (!std::isfinite(bytes)) return {};
  return ByteSizeText(bytes, decimals, true);
}

}  // namespace qvn
