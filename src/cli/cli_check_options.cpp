#include "cli/cli_check_options.h"

#include <CLI/CLI.hpp>

namespace qvn::cli {

void AddCheckOutputOptions(CLI::App& check, CheckOutputOptions& options) {
  check
      .add_option("--format", options.format,
                  "text: links_to.txt and links_from.txt in the output folder (the default); "
                  "json, csv, sarif or markdown: one document on standard output or in --out")
      ->option_text("FORMAT")
      ->check(CLI::IsMember({"text", "json", "csv", "sarif", "markdown"}));
  check.add_option("--out", options.out_file, "Write the document to this file")
      ->option_text("FILE");
  check
      .add_option("--baseline", options.baseline_file,
                  "Tell new and fixed broken links from those saved in this baseline; "
                  "exit 1 only for new ones")
      ->option_text("FILE");
  check
      .add_option("--write-baseline", options.write_baseline_file,
                  "Save the broken links found as a baseline (a JSON results document)")
      ->option_text("FILE");
  check.add_flag("--propose-repairs", options.propose_repairs,
                 "With --format json, sarif or markdown: give each broken link its proposed "
                 "repair (as qvn fix would make it)");
}

bool WritesTextReports(const CheckOutputOptions& options) { return options.format == "text"; }

}  // namespace qvn::cli
