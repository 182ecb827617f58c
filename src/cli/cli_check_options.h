#pragma once
// The options of `qvn check` that choose how its results are handed over.

#include <string>

namespace CLI {
class App;
}

namespace qvn::cli {

struct CheckOutputOptions {
  std::string format = "text";      ///< text, json, csv, sarif or markdown
  std::string out_file;             ///< the document's file; "" = standard output
  std::string baseline_file;        ///< compare with this baseline; "" = none
  std::string write_baseline_file;  ///< save the broken links as a baseline here; "" = none
  bool propose_repairs = false;     ///< the document carries each link's proposed repair
};

/// Adds --format, --out, --baseline, --write-baseline and --propose-repairs
/// to the check command.
void AddCheckOutputOptions(CLI::App& check, CheckOutputOptions& options);

/// True for the text format, which writes links_to.txt and links_from.txt.
bool WritesTextReports(const CheckOutputOptions& options);

}  // namespace qvn::cli
