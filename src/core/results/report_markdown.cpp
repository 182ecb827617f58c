#include "core/results/report_markdown.h"

#include <algorithm>

#include "core/text/utf.h"
#include "core/results/json_writer.h"

namespace qvn {
namespace {

// What may start inline markup or, on pull-request pages, a mention ("@"),
// a reference ("#") or mathematics ("$").
constexpr std::string_view kSpecial = "\\`*_[]<>()#!|~&@$";

std::string WithoutControls(std::string_view text) {
  std::string clean = ToValidUtf8(text);
  std::string out;
  for (std::size_t i = 0; i < clean.size();) {
    const char32_t c = DecodeNext(clean, i);
    AppendUtf8(out, c < 0x20 || c == 0x7F ? char32_t{0xFFFD} : c);
  }
  return out;
}

std::string Counted(long long n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string Heading(const BrokenLinkTable& table, const BaselineComparison* baseline) {
  const auto total = static_cast<long long>(table.size());
  std::string text = "## ";
  if (total == 0) {
    text += "No broken links";
  } else {
    text += Counted(total, "broken link", "broken links") + " in " +
            Counted(table.PageCount(), "page", "pages");
  }
  if (baseline != nullptr)
    text += " (" + std::to_string(baseline->new_count) + " new, " +
            std::to_string(baseline->fixed.size()) + " fixed since the baseline)";
  return text + "\n";
}

std::string Item(const LinkRow& row) {
  return "line " + std::to_string(row.link.line) + ": " + MarkdownCode(row.link.link) +
         " \xE2\x86\x92 " + EscapeMarkdown(row.target) + " (" + EscapeMarkdown(LinkNote(row.link)) +
         ")\n";
}

// " — repair: `new` (reason)", or the candidates of an ambiguous one.
std::string RepairText(const ProposedRepair& repair) {
  if (repair.choices.empty()) return {};
  std::string text =
      repair.choices.size() == 1 ? " \xE2\x80\x94 repair: " : " \xE2\x80\x94 candidates: ";
  for (std::size_t i = 0; i < repair.choices.size(); ++i) {
    if (i > 0) text += ", ";
    text += MarkdownCode(repair.choices[i].link) + " (" +
            EscapeMarkdown(repair.choices[i].reason) + ")";
  }
  return text;
}

void AppendFixed(std::string& out, const BaselineComparison& baseline) {
  if (baseline.fixed.empty()) return;
  out += "\n## Fixed since the baseline\n\n";
  for (std::size_t i = 0; i < baseline.fixed.size(); ++i) {
    const LinkRow row = baseline.fixed.Row(i, {});
    out += "- " + EscapeMarkdown(row.page) + ", " + Item(row);
  }
}

}  // namespace

std::string EscapeMarkdown(std::string_view text) {
  std::string out;
  for (const char c : WithoutControls(text)) {
    if (kSpecial.find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

std::string MarkdownCode(std::string_view text) {
  const std::string clean = WithoutControls(text);
  if (clean.empty()) return "\"\"";
  std::size_t longest = 0, run = 0;
  for (const char c : clean) {
    run = c == '`' ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  const std::string fence(longest + 1, '`');
  // A space keeps a backtick at either end from joining the fence; one
  // space on each side is dropped again when the span is shown.
  const bool pad = clean.front() == '`' || clean.back() == '`' ||
                   (clean.front() == ' ' && clean.back() == ' ');
  const std::string space = pad ? " " : "";
  return fence + space + clean + space + fence;
}

std::string FormatResultsMarkdown(const CheckResult& result, const BaselineComparison* baseline) {
  const BrokenLinkTable& table = result.broken_links;
  std::string out = Heading(table, baseline);
  if (result.stopped) out += "\nThe check was stopped, so this list is incomplete.\n";
  for (std::size_t i = 0; i < table.size(); ++i) {
    const LinkRow row = table.Row(i, result.top_folder);
    if (i == 0 || row.page != table.Row(i - 1, result.top_folder).page)
      out += "\n### " + EscapeMarkdown(row.page) + "\n\n";
    const bool is_new = baseline != nullptr && baseline->states[i] == BaselineState::kNew;
    out += is_new ? "- **new** " : "- ";
    std::string item = Item(row);
    if (!result.repairs.empty()) item.insert(item.size() - 1, RepairText(result.repairs[i]));
    out += item;
  }
  if (baseline != nullptr) AppendFixed(out, *baseline);
  return out;
}

}  // namespace qvn
