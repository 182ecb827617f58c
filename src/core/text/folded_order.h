#pragma once
// Ordering texts without regard to letter case, for tables of many rows.
// Characters are lower-cased with LowerChar (a character whose small letter
// would be ASCII, as the Kelvin sign, keeps its own place) and compared as
// UTF-16 code units; a text that begins another comes before it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// Negative, 0 or positive as a sorts before, with or after b.
int CompareFolded(std::string_view a, std::string_view b);

/// The text of an item; it must stay valid until the sort returns, and be
/// the same each time it is asked for.
using ItemText = std::function<std::string_view(std::uint32_t item)>;

/// Sorts items by their texts, ascending or descending; items with equal
/// texts end in ascending item order either way.
void SortByFoldedText(std::vector<std::uint32_t>& items, const ItemText& text, bool descending);

}  // namespace qvn
