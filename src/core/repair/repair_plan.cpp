#include "core/repair/repair_plan.h"

#include <optional>

#include "core/text/utf.h"

namespace qvn {
namespace {

bool MayHaveCandidates(LinkKind kind) {
  return kind == LinkKind::kMissingFile || kind == LinkKind::kLetterCase ||
         kind == LinkKind::kNoAnchor;
}

// One page's bytes, read when a link of it first needs them.
struct PageBytes {
  bool read = false;
  std::string bytes;
  PageStamp stamp;
  std::string problem;  // why the page cannot be rewritten

  void Read(const std::string& page) {
    if (read) return;
    read = true;
    SystemError error;
    if (!ReadPage(page, bytes, stamp, &error))
      problem = "cannot read the page: " + error.description;
    else if (IsUtf16Page(bytes))
      problem = "a UTF-16 page is not rewritten";
  }
};

void PlaceProposal(const BrokenLink& link, const PageBytes& page,
                   const std::optional<LinkSpot>& spot, Proposal& proposal) {
  if (spot)
    proposal.end_column =
        link.column + static_cast<long long>(Utf16Length(
                          std::string_view(page.bytes).substr(spot->offset, spot->length)));
  if (proposal.candidates.size() != 1) return;
  if (!page.problem.empty()) {
    proposal.problem = page.problem;
  } else if (!spot) {
    proposal.problem = "the link is no longer where the check found it";
  } else if (auto bytes = SpotBytes(*spot, proposal.candidates[0].link)) {
    proposal.edit = {spot->offset, spot->length, std::move(*bytes)};
  } else {
    proposal.problem = "the page's encoding cannot hold the new link";
  }
}

void PlanPage(const BrokenLinkTable& table, std::size_t begin, std::size_t end,
              const RepairContext& context, CandidateFinder& finder, RepairPlan& plan) {
  const std::string& page = table.Source(begin);
  PageBytes bytes;
  PagePlan page_plan;
  for (std::size_t i = begin; i < end; ++i) {
    const BrokenLink& link = table.Link(i);
    if (!MayHaveCandidates(link.kind) || !KindSelected(context.options, link.kind)) continue;
    bytes.Read(page);
    std::optional<LinkSpot> spot;
    if (bytes.problem.empty()) spot = FindLinkSpot(bytes.bytes, link.line, link.column, link.link);
    const LinkPlace place{page, context.site_root, {context.every_link, spot ? spot->quote : '"'}};
    Proposal proposal{i, finder.Find(link, place), {}, {}, 0};
    if (proposal.candidates.empty()) {
      ++plan.without_candidate;
      continue;
    }
    PlaceProposal(link, bytes, spot, proposal);
    if (proposal.Applicable()) page_plan.proposals.push_back(plan.proposals.size());
    plan.proposals.push_back(std::move(proposal));
  }
  if (page_plan.proposals.empty()) return;
  page_plan.page = page;
  page_plan.stamp = bytes.stamp;
  plan.pages.push_back(std::move(page_plan));
}

}  // namespace

long long RepairPlan::Applicable() const {
  long long count = 0;
  for (const Proposal& proposal : proposals) count += proposal.Applicable() ? 1 : 0;
  return count;
}

RepairPlan PlanRepairs(const CheckResult& result, const RepairContext& context,
                       const SiteFiles* files) {
  RepairPlan plan;
  CandidateFinder finder(context.options, files);
  const BrokenLinkTable& table = result.broken_links;
  for (std::size_t begin = 0; begin < table.size();) {
    std::size_t end = begin + 1;
    while (end < table.size() && table.PageIndex(end) == table.PageIndex(begin)) ++end;
    PlanPage(table, begin, end, context, finder, plan);
    begin = end;
  }
  return plan;
}

}  // namespace qvn
