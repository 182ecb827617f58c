#include "core/check/external_links.h"

#include <algorithm>
#include <chrono>

#include "core/links/external/external_checker.h"

namespace qvn {
namespace {

ExternalCheckOptions AskingOptions(const MoreChecks& options) {
  ExternalCheckOptions ask;
  ask.jobs = static_cast<std::size_t>(std::max(1, options.external_jobs));
  ask.total_timeout = std::chrono::seconds(std::max(1, options.external_timeout_seconds));
  // A connection never gets longer than the whole request.
  ask.connect_timeout = std::min(ask.connect_timeout, ask.total_timeout);
  if (options.external_cache_seconds > 0) {
    ask.cache_folder = options.external_cache_folder;
    ask.cache_age = std::chrono::seconds(options.external_cache_seconds);
  }
  ask.loopback_only = options.external_loopback_only;
  return ask;
}

}  // namespace

void ExternalLinks::Add(const std::string& page, BrokenLink candidate, std::size_t position) {
  if (pages_.empty() || pages_.back() != page) pages_.push_back(page);
  const auto [slot, added] = address_index_.try_emplace(candidate.target, addresses_.size());
  if (added) addresses_.push_back(candidate.target);
  found_.push_back({pages_.size() - 1, position, slot->second, std::move(candidate)});
}

void ExternalLinks::Check(const MoreChecks& options, Status& status, CheckResult& result) {
  ExternalSummary& summary = result.external;
  summary.checked = true;
  summary.addresses = static_cast<long long>(addresses_.size());
  if (addresses_.empty() || result.stopped) return;
  const auto total = static_cast<long long>(addresses_.size());
  status.AddressesChecked(0, total);
  const ExternalCheckResult answers = CheckExternalAddresses(
      addresses_, AskingOptions(options), [&status] { return status.ShouldStop(); },
      [&status](std::size_t checked, std::size_t of) {
        status.AddressesChecked(static_cast<long long>(checked), static_cast<long long>(of));
      });
  result.stopped = result.stopped || answers.stopped;
  summary.from_cache = static_cast<long long>(answers.from_cache);
  summary.problem = answers.cache_problem;
  std::vector<Found> broken;
  for (Found& found : found_) {
    const ExternalVerdict& verdict = answers.verdicts[found.address];
    if (verdict.outcome == ExternalOutcome::kPermanentRedirect) {
      summary.redirects.push_back({pages_[found.page], found.link.line, found.link.column,
                                   found.link.link, verdict.final_url});
    } else if (verdict.broken()) {
      found.link.kind = verdict.outcome == ExternalOutcome::kStatus ? LinkKind::kExternalStatus
                                                                    : LinkKind::kExternalError;
      found.link.note = ExternalNote(verdict);
      broken.push_back(std::move(found));
    }
  }
  found_.clear();
  if (!broken.empty()) Merge(broken, result.broken_links);
}

// Each broken link goes before the table entry it was found ahead of, so a
// page's links stay in the order the page holds them.
void ExternalLinks::Merge(std::vector<Found>& broken, BrokenLinkTable& table) {
  BrokenLinkTable merged;
  std::size_t next = 0;
  for (std::size_t i = 0; i <= table.size(); ++i) {
    for (; next < broken.size() && broken[next].position == i; ++next)
      merged.Add(pages_[broken[next].page], std::move(broken[next].link));
    if (i < table.size()) merged.Add(table.Source(i), table.Link(i));
  }
  table = std::move(merged);
}

}  // namespace qvn
