#include "cli/cli_check_output.h"

#include <filesystem>
#include <ostream>

#include "cli/cli_console.h"
#include "cli/cli_run.h"
#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/results/baseline.h"
#include "core/results/report_csv.h"
#include "core/results/report_json.h"
#include "core/results/report_markdown.h"
#include "core/results/report_sarif.h"

#ifndef QVN_VERSION
#define QVN_VERSION "0.0.0"
#endif

namespace qvn::cli {
namespace {

// The folder a file named by the user goes into ("." for a bare name);
// on Windows a typed "/" separates too.
std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of(kSeparator == '/' ? "/" : "/\\");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

// The top folder as an absolute "file:" URI, "" when it cannot be made absolute.
std::string TopFolderUri(const std::string& top_folder) {
  const std::u8string utf8(top_folder.begin(), top_folder.end());
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(utf8, error);
  if (error) return {};
  const std::u8string text = absolute.u8string();
  return FolderFileUri(std::string(text.begin(), text.end()));
}

std::string FormatDocument(const std::string& format, const CheckResult& result,
                           const BaselineComparison* comparison) {
  if (format == "csv") return FormatResultsCsv(result, comparison);
  if (format == "markdown") return FormatResultsMarkdown(result, comparison);
  if (format == "sarif")
    return FormatResultsSarif(result, comparison, {QVN_VERSION, TopFolderUri(result.top_folder)});
  return FormatResultsJson(result, comparison);
}

std::string Counted(long long n, const char* one, const char* many) {
  return n == 0 ? std::string("No ") + many : std::to_string(n) + " " + (n == 1 ? one : many);
}

void PrintLink(std::ostream& out, const LinkRow& row) {
  out << "  " << row.page << ", line " << row.link.line << ": " << row.link.link << '\n';
}

}  // namespace

bool CheckOutput::Fail(const std::string& message) const {
  err_ << "qvn: " << message << '\n';
  return false;
}

bool CheckOutput::CanWrite(const std::string& path, const std::string& option) const {
  if (IsExistingFolder(path)) return Fail(option + " " + path + " is a folder");
  SystemError error;
  if (CanWriteInFolder(FolderOf(path), &error)) return true;
  return Fail("cannot write " + option + " " + path + ": " + error.description);
}

void CheckOutput::PrintBaselineText(const CheckResult& result,
                                    const BaselineComparison& comparison) const {
  out_ << Counted(comparison.new_count, "new broken link", "new broken links")
       << " since the baseline" << (comparison.new_count > 0 ? ":" : ".") << '\n';
  for (std::size_t i = 0; i < result.broken_links.size(); ++i)
    if (comparison.states[i] == BaselineState::kNew)
      PrintLink(out_, result.broken_links.Row(i, result.top_folder));
  const auto fixed = static_cast<long long>(comparison.fixed.size());
  out_ << Counted(fixed, "broken link", "broken links") << " fixed since the baseline"
       << (fixed > 0 ? ":" : ".") << '\n';
  for (std::size_t i = 0; i < comparison.fixed.size(); ++i)
    PrintLink(out_, comparison.fixed.Row(i, {}));
}

bool CheckOutput::Prepare() {
  if (WritesTextReports(options_) && !options_.out_file.empty())
    return Fail("--out needs --format json, csv, sarif or markdown (the text format writes "
                "its reports to --output-dir)");
  if (!options_.out_file.empty() && !CanWrite(options_.out_file, "--out")) return false;
  if (!options_.write_baseline_file.empty() &&
      !CanWrite(options_.write_baseline_file, "--write-baseline"))
    return false;
  if (options_.baseline_file.empty()) return true;
  BrokenLinkTable links;
  std::string error;
  if (!ReadBaseline(options_.baseline_file, links, &error))
    return Fail("cannot use the baseline " + options_.baseline_file + ": " + error);
  baseline_ = std::move(links);
  return true;
}

bool CheckOutput::Deliver(const CheckResult& result) {
  const bool text = WritesTextReports(options_);
  std::optional<BaselineComparison> comparison;
  if (baseline_) {
    comparison = CompareWithBaseline(result.broken_links, result.top_folder, *baseline_);
    new_count_ = comparison->new_count;
  }
  if (text && comparison) PrintBaselineText(result, *comparison);
  if (!text &&
      !WriteDocument(FormatDocument(options_.format, result, comparison ? &*comparison : nullptr)))
    return false;
  return WriteBaselineFile(result);
}

bool CheckOutput::WriteDocument(const std::string& document) {
  if (options_.out_file.empty()) {
    WriteDocumentOutput(out_, document);
    return true;
  }
  return WriteFile(options_.out_file, document, "the results");
}

bool CheckOutput::WriteBaselineFile(const CheckResult& result) {
  const std::string& path = options_.write_baseline_file;
  if (path.empty()) return true;
  if (result.stopped) {
    err_ << "qvn: the check was stopped, so the baseline " << path
         << " was not written (it would be incomplete)\n";
    return true;
  }
  return WriteFile(path, FormatResultsJson(result), "the baseline");
}

bool CheckOutput::WriteFile(const std::string& path, const std::string& bytes, const char* what) {
  SystemError error;
  if (!WriteFileReplacing(path, bytes, &error))
    return Fail(std::string("unable to write ") + what + " to " + path + ": " + error.description);
  People() << path << '\n';
  return true;
}

std::ostream& CheckOutput::People() const {
  return WritesTextReports(options_) ? out_ : err_;
}

int CheckOutput::ExitStatus(const CheckResult& result) const {
  if (baseline_) return new_count_ > 0 ? kExitBrokenLinks : kExitClean;
  return result.broken_links.empty() ? kExitClean : kExitBrokenLinks;
}

}  // namespace qvn::cli
