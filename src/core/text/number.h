#pragma once
// Numbers as text for the user: words, thousands grouping and byte sizes.
// The decimal sign is "." and the thousands separator ",", whatever the
// user's locale.

#include <string>

namespace qvn {

/// n in decimal digits grouped by thousands with ",": '999', '1,234', '-1,234'.
std::string FormatGrouped(long long n);

/// n in English words with a capital first letter: "No" for 0, "One" to
/// "Twenty", "Thirty" to "Ninety", 'Twenty one' to 'Ninety nine'; 100 and
/// above (and any negative n) as FormatGrouped digits.
std::string NumberInWords(long long n);

/// bytes as '0 bytes', '512 bytes' (below 1024: plain digits, no grouping,
/// '1 bytes' included), or divided by 1024 as Kb and by 1024 * 1024 as Mb with
/// `decimals` decimals (rounded half away from zero) and grouped thousands:
/// '1.5 Kb', '1,024.0 Kb', '12.3 Mb'. A negative count of decimals means two.
/// "" for a negative count of bytes, NaN and infinities.
std::string FormatByteSize(double bytes, int decimals);

/// As FormatByteSize, with two differences: from 1024 Mb on the size is given
/// in Gb ('1.0 Gb'), and a negative count of bytes is formatted as a small one
/// ('-5 bytes', '-5000 bytes'). "" for NaN and infinities.
std::string FormatByteSizeUpToGb(double bytes, int decimals);

}  // namespace qvn
