#pragma once
// Settings files written by hand in tests.

#include <string>
#include <string_view>

namespace qvn::test {

/// A text field of a settings file: the text in double quotes.
inline std::string InQuotes(std::string_view text) {
  // Appended, not concatenated: GCC 12 warns falsely (-Wrestrict) otherwise.
  std::string field(1, '"');
  field += text;
  field += '"';
  return field;
}

}  // namespace qvn::test
