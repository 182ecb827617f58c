#include "cli/cli_fix.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cli/cli_check_output.h"
#include "cli/cli_run.h"
#include "cli/cli_skipped.h"
#include "cli/cli_status.h"
#include "core/app/repairs.h"
#include "core/app/runs.h"
#include "core/platform/path.h"
#include "core/repair/repair_apply.h"
#include "core/repair/repair_backup.h"
#include "core/repair/unified_diff.h"

namespace qvn::cli {
namespace {

constexpr const char* kArrow = " -> ";

std::string Plural(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Place(const CheckResult& result, std::size_t entry) {
  const LinkRow row = result.broken_links.Row(entry, result.top_folder);
  return std::string(row.page) + " line " + std::to_string(row.link.line) + ": " + row.link.link;
}

// Each page's repairs with their reasons, then the page's diff.
void PrintPageDiffs(const RepairPlan& plan, const CheckResult& result, std::ostream& out,
                    std::ostream& err) {
  for (const PagePlan& page : plan.pages) {
    std::string label(RelativeTo(page.page, result.top_folder));
    std::replace(label.begin(), label.end(), kSeparator, '/');
    std::string bytes;
    PageStamp stamp;
    SystemError error;
    if (!ReadPage(page.page, bytes, stamp, &error) || !(stamp == page.stamp)) {
      err << "qvn: " << label << " changed while it was being read; run fix again\n";
      continue;
    }
    std::vector<PageEdit> edits;
    out << "# " << label << '\n';
    for (const std::size_t index : page.proposals) {
      const Proposal& proposal = plan.proposals[index];
      const BrokenLink& link = result.broken_links.Link(proposal.entry);
      out << "#   line " << link.line << ": " << link.link << kArrow << proposal.candidates[0].link
          << " (" << ReasonText(proposal.candidates[0].reason) << ")\n";
      edits.push_back(proposal.edit);
    }
    out << UnifiedDiff(label, bytes, ApplyEdits(bytes, edits));
  }
}

// The links left alone: several candidates, or one that cannot be written.
void PrintLeftAlone(const RepairPlan& plan, const CheckResult& result, std::ostream& out) {
  bool heading = false;
  for (const Proposal& proposal : plan.proposals) {
    if (proposal.candidates.size() < 2) continue;
    if (!heading) out << "\nLeft alone, more than one candidate:\n";
    heading = true;
    out << "  " << Place(result, proposal.entry) << '\n';
    for (const Candidate& candidate : proposal.candidates)
      out << "    " << candidate.link << " (" << ReasonText(candidate.reason) << ")\n";
  }
  heading = false;
  for (const Proposal& proposal : plan.proposals) {
    if (proposal.candidates.size() != 1 || proposal.problem.empty()) continue;
    if (!heading) out << "\nNot repaired:\n";
    heading = true;
    out << "  " << Place(result, proposal.entry) << kArrow << proposal.candidates[0].link << ": "
        << proposal.problem << '\n';
  }
}

long long Ambiguous(const RepairPlan& plan) {
  long long count = 0;
  for (const Proposal& proposal : plan.proposals) count += proposal.candidates.size() > 1 ? 1 : 0;
  return count;
}

void PrintSummary(const RepairPlan& plan, std::ostream& out) {
  out << '\n'
      << Plural(plan.Applicable(), "repair", "repairs") << " proposed in "
      << Plural(static_cast<long long>(plan.pages.size()), "page", "pages") << "; "
      << Plural(Ambiguous(plan), "link has", "links have") << " more than one candidate; "
      << Plural(plan.without_candidate, "broken link has", "broken links have") << " none.\n";
}

void PrintMessages(const std::vector<PageMessage>& messages, const std::string& top,
                   std::ostream& err) {
  for (const PageMessage& message : messages)
    err << "qvn: " << RelativeTo(message.page, top) << ": " << message.text << '\n';
}

int Apply(const RepairPlan& plan, const CheckResult& before, const app::Choices& choices,
          const std::string& data_folder, const CliStreams& io, std::ostream& people) {
  const ApplyOutcome outcome = ApplyRepairs(plan, RepairsFolder(data_folder));
  PrintMessages(outcome.messages, before.top_folder, io.err);
  if (!outcome.failure.empty()) io.err << "qvn: " << outcome.failure << '\n';
  if (outcome.run.empty()) {
    people << "Nothing was written.\n";
    return outcome.failure.empty() ? 0 : kExitBadInput;
  }
  people << "Repaired " << Plural(outcome.links_repaired, "link", "links") << " in "
         << Plural(outcome.pages_written, "page", "pages") << "; the old pages are kept in "
         << outcome.run << '\n';
  CliStatus status(io.show_progress, io.progress);
  const CheckResult after = app::RunCheck(choices, status);
  status.Finish();
  const app::RepairCheck check = app::CheckRepaired(plan, before, outcome.written, after);
  people << "Checked again: "
         << Plural(check.resolved, "repaired link resolves", "repaired links resolve") << ", "
         << Plural(check.remaining, "broken link remains", "broken links remain")
         << " in the pages written.\n"
         << "Undo with: qvn fix --undo " << GetFileNamePart(outcome.run, false) << '\n';
  return outcome.failure.empty() ? 0 : kExitBadInput;
}

}  // namespace

void AddFixOptions(CLI::App& fix, FixArguments& arguments) {
  fix.add_flag("--apply", arguments.apply,
               "Write the repairs (backing the pages up first); without it nothing is written");
  fix.add_flag("--moved", arguments.moved,
               "Also repair a link whose file name occurs exactly once elsewhere in the site");
  fix.add_flag("--near", arguments.similar,
               "Also repair a link when exactly one name in the target's folder differs a little");
  fix.add_option("--only", arguments.only,
                 "Repair only broken links of these comma-separated kinds "
                 "(missing-file, letter-case, no-anchor)")
      ->option_text("KINDS");
  fix.add_option_function<std::string>(
         "--undo", [&arguments](const std::string& run) { arguments.undo = run; },
         "Put back the pages of the latest repair (or of the run RUN) and stop")
      ->option_text("[RUN]")
      ->expected(0, 1)
      ->default_str("");
  fix.add_option("--format", arguments.output.format,
                 "text: the repairs as a diff (the default); json, sarif or markdown: the "
                 "broken links with their repairs, on standard output or in --out")
      ->option_text("FORMAT")
      ->check(CLI::IsMember({"text", "json", "sarif", "markdown"}));
  fix.add_option("--out", arguments.output.out_file, "Write the document to this file")
      ->option_text("FILE");
}

bool RepairOptionsOf(const FixArguments& arguments, RepairOptions& options, std::ostream& err) {
  options.moved = arguments.moved;
  options.similar = arguments.similar;
  std::string_view rest = arguments.only;
  while (!rest.empty()) {
    const std::size_t comma = std::min(rest.find(','), rest.size());
    const std::string name(rest.substr(0, comma));
    rest.remove_prefix(std::min(comma + 1, rest.size()));
    const auto kind = KindFromName(name);
    if (!kind) {
      err << "qvn: --only: \"" << name << "\" is no kind of broken link\n";
      return false;
    }
    options.only.push_back(*kind);
  }
  return true;
}

int RunFixCommand(const FixArguments& arguments, const app::Choices& choices,
                  const std::string& data_folder, bool verbose, const CliStreams& io) {
  RepairOptions options;
  if (!RepairOptionsOf(arguments, options, io.err)) return kExitBadInput;
  CheckOutputOptions output = arguments.output;
  if (output.out_file == "-") output.out_file.clear();
  const bool text = output.format == "text";
  CheckOutput delivery(output, io.out, io.err);
  if (!text && !delivery.Prepare()) return kExitBadInput;
  CliStatus status(io.show_progress, io.progress);
  CheckResult result = app::RunCheck(choices, status);
  const RepairPlan plan =
      result.stopped ? RepairPlan{} : app::ProposeRepairs(choices, options, result, status);
  status.Finish();
  PrintSkipped(result.skipped, verbose, io.err);
  if (result.stopped || status.ShouldStop()) return StoppedExitStatus();
  std::ostream& people = text ? io.out : io.err;
  if (text) {
    PrintPageDiffs(plan, result, io.out, io.err);
    PrintLeftAlone(plan, result, io.out);
  } else {
    app::AttachRepairs(plan, result);
    if (!delivery.Deliver(result)) return kExitBadInput;
  }
  PrintSummary(plan, people);
  if (!arguments.apply) {
    if (plan.Applicable() > 0) people << "Nothing was written: --apply writes the repairs.\n";
    return 0;
  }
  return Apply(plan, result, choices, data_folder, io, people);
}

int RunUndoCommand(const std::string& run, const std::string& data_folder, const CliStreams& io) {
  const UndoOutcome outcome = UndoRepairs(RepairsFolder(data_folder), run);
  if (!outcome.failure.empty()) {
    io.err << "qvn: " << outcome.failure << '\n';
    return kExitBadInput;
  }
  PrintMessages(outcome.messages, "", io.err);
  io.out << "Restored " << Plural(outcome.pages_restored, "page", "pages") << " from "
         << outcome.run << '\n';
  return outcome.messages.empty() ? 0 : kExitBadInput;
}

}  // namespace qvn::cli
