#include "core/site/status.h"

#include "core/text/number.h"

namespace qvn {

std::string ScanningText(long long number, std::string_view relative_path) {
  std::string text = "#" + std::to_string(number) + "  ";
  text += relative_path;
  return text;
}

std::string BrokenSoFarText(long long count) {
  if (count == 1) return "One broken link found so far.";
  return std::to_string(count) + " broken links found so far.";
}

std::string FilesSoFarText(long long count) {
  return "Number of files so far: " + FormatGrouped(count);
}

}  // namespace qvn
