#pragma once
// What `qvn check` hands over besides the outcome: the two text reports (the
// text format, written by cli_run), or one document in a machine-readable
// format; and the comparison with a baseline, and a new baseline.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_check_options.h"
#include "core/check/run.h"
#include "core/results/baseline.h"
#include "core/results/broken_links.h"

namespace qvn::cli {

class CheckOutput {
 public:
  /// Texts go to out and err (see People).
  CheckOutput(const CheckOutputOptions& options, std::ostream& out, std::ostream& err)
      : options_(options), out_(out), err_(err) {}

  /// Before the run, so that a mistake costs no run and no result is lost:
  /// the options fit together, the baseline is read and valid, and the
  /// files to write can be written. False after printing the problem.
  bool Prepare();
  /// After the run (and the text reports): in the text format prints the new
  /// and fixed links, otherwise writes the document; then saves the
  /// baseline unless the run was stopped. False after printing why a file
  /// could not be written.
  bool Deliver(const CheckResult& result);
  /// Where texts for people go: out in the text format, err otherwise (out
  /// may carry the document).
  std::ostream& People() const;
  /// The exit status of a run that was not stopped: with a baseline 1 only
  /// for new broken links, otherwise 1 for any.
  int ExitStatus(const CheckResult& result) const;

 private:
  bool WriteDocument(const std::string& document);
  bool WriteBaselineFile(const CheckResult& result);
  bool WriteFile(const std::string& path, const std::string& bytes, const char* what);

  bool Fail(const std::string& message) const;
  bool CanWrite(const std::string& path, const std::string& option) const;
  void PrintBaselineText(const CheckResult& result, const BaselineComparison& comparison) const;

  const CheckOutputOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  std::optional<BrokenLinkTable> baseline_;
  long long new_count_ = 0;
};

}  // namespace qvn::cli
