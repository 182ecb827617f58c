#include "core/links/more_link_tester.h"

#include "core/platform/path.h"
#include "core/links/letter_case.h"
#include "core/links/link_extract.h"

namespace qvn {
namespace {

// path with "." and ".." resolved when it may hold them.
std::string Resolved(const std::string& path) {
  return MayNeedDotResolution(path) ? ResolveDotSegments(path) : path;
}

// A folder ending in the separator with "." and ".." resolved; "" for the
// working folder itself.
std::string ResolvedFolder(const std::string& folder) {
  std::string out = ResolveDotSegments(folder);
  if (out == ".") return {};
  if (out.back() != kSeparator) out += kSeparator;
  return out;
}

}  // namespace

MoreLinkTester::MoreLinkTester(MoreCheckContext& context,
                               const std::vector<std::string>& excluded_folded,
                               FolderLookup& lookup)
    : context_(context),
      options_(context.options),
      rules_{context.options.all_links, context.options.site_root, &excluded_folded},
      lookup_(lookup) {}

void MoreLinkTester::StartPage(const std::string& page, const std::vector<std::string>& chain,
                               std::vector<BrokenLink>& broken, std::vector<std::string>* linked) {
  page_ = &page;
  page_key_ = Resolved(page);
  chain_ = &chain;
  const std::string& root =
      options_.site_root_folder.empty() ? chain.front() : options_.site_root_folder;
  if (root_chain_.empty() || root_chain_[0] != root) {
    root_chain_.assign(1, root);
    root_key_ = ResolvedFolder(root);
    top_key_ = ResolvedFolder(chain.front());
  }
  broken_ = &broken;
  linked_ = linked;
  base_ = Base::kNone;
  base_seen_ = false;
}

void MoreLinkTester::SetBase(std::string_view href) {
  if (base_seen_) return;
  base_seen_ = true;
  if (HasUrlScheme(href) || IsProtocolRelative(href, rules_)) {
    base_ = Base::kExternal;
    return;
  }
  href = href.substr(0, href.find('#'));
  href = href.substr(0, href.find('?'));
  if (href.empty()) return;
  if (StartsWithSlash(href, rules_)) {
    if (!options_.site_root) {
      base_ = Base::kExternal;  // where "/" is cannot be known
      return;
    }
    href.remove_prefix(1);
    base_ = Base::kRoot;
  } else {
    base_ = Base::kRelative;
  }
  DecodeLinkPath(href, rules_, base_document_);
  base_folder_ = base_document_.substr(0, base_document_.rfind(kSeparator) + 1);
}

void MoreLinkTester::Test(std::string_view written, long long line, long long column) {
  // The every-link scan has decoded character references already.
  if (options_.external &&
      CollectExternalLink(written, line, column, *rules_.excluded_folded, false, *broken_))
    return;
  FormLink(written, rules_, formed_);
  if (formed_.form == LinkForm::kSkipped) return;
  if (formed_.form == LinkForm::kSamePage && !options_.check_fragments) return;
  written_ = written;
  line_ = line;
  column_ = column;
  if (!Resolve()) return;
  if (formed_.form == LinkForm::kSamePage && target_ == *page_) {
    CheckFragment(page_key_);
    return;
  }
  TestTarget();
}

bool MoreLinkTester::Resolve() {
  if (base_ == Base::kExternal) return false;
  from_root_ = formed_.form == LinkForm::kRootRelative || base_ == Base::kRoot;
  std::string_view relative = formed_.path;
  if (formed_.form == LinkForm::kSamePage) {
    if (base_ == Base::kNone || base_document_.empty()) {
      target_ = *page_;
      return true;
    }
    relative = base_document_;
  } else if (formed_.form == LinkForm::kRelative && base_ != Base::kNone) {
    relative_ = base_folder_ + formed_.path;
    relative = relative_;
  }
  return FormTarget(relative, from_root_ ? root_chain_ : *chain_, target_);
}

void MoreLinkTester::TestTarget() {
  bool listed = false;
  if (lookup_.TargetExists(target_, resolved_, listed)) {
    const std::string& path = MayNeedDotResolution(target_) ? resolved_ : target_;
    if (options_.letter_case && !(listed && FolderSpelledExactly(path))) {
      if (auto real = CaseDifference(); real && !real->empty()) {
        // The file system found it, so it counts as linked all the same.
        if (linked_ != nullptr) linked_->push_back(path);
        Report(LinkKind::kLetterCase, std::move(*real));
        return;
      }
    }
    Found(path);
    return;
  }
  if (options_.index_pages && TestFolder()) return;
  Missing();
}

bool MoreLinkTester::TestFolder() {
  std::string folder = ResolveDotSegments(target_);
  if (folder == "." || lookup_.Kind(folder) != PathKind::kFolder) return false;
  if (folder.back() != kSeparator) folder += kSeparator;
  for (const std::string& name : context_.index_names) {
    const std::string page = folder + name;
    if (lookup_.Exists(page)) {
      Found(page);
      return true;
    }
  }
  Report(LinkKind::kNoIndexPage, {});
  return true;
}

void MoreLinkTester::Found(const std::string& path) {
  if (linked_ != nullptr) linked_->push_back(path);
  CheckFragment(path);
}

void MoreLinkTester::CheckFragment(const std::string& path) {
  if (!options_.check_fragments || !formed_.has_fragment ||
      IsFragmentAlwaysFound(formed_.fragment) || !HasAnchorsToRead(path))
    return;
  if (!context_.anchors.HasAnchor(path, formed_.fragment)) Report(LinkKind::kNoAnchor, {}, true);
}

void MoreLinkTester::Missing() {
  if (!options_.letter_case) {
    Report(KindOfMissingTarget(lookup_.TargetKind(target_)), {});
    return;
  }
  const std::string path = Resolved(target_);
  // Letter case is compared from the root the link started from.
  const std::string key = (from_root_ ? "/" : "") + path;
  auto known = missing_.find(key);
  if (known == missing_.end()) {
    std::pair<LinkKind, std::string> found;
    if (auto real = CaseDifference(); real && !real->empty()) {
      found = {LinkKind::kLetterCase, std::move(*real)};
    } else {
      found.first = KindOfMissingTarget(lookup_.TargetKind(target_));
      const std::size_t cut = path.rfind(kSeparator);
      if ((cut == std::string::npos || cut + 1 < path.size()) &&
          lookup_.Kind(path) == PathKind::kNone) {
        // A relative top folder such as "./" resolves to bare names in the working folder.
        const std::string folder =
            cut == std::string::npos ? std::string{'.', kSeparator} : path.substr(0, cut + 1);
        const std::size_t name = cut == std::string::npos ? 0 : cut + 1;
        found.second =
            SuggestSimilarName(lookup_.Listing(folder), std::string_view(path).substr(name));
      }
    }
    known = missing_.emplace(key, std::move(found)).first;
  }
  Report(known->second.first, known->second.second);
}

std::optional<std::string> MoreLinkTester::CaseDifference() {
  // Names are compared from the top folder (or the site root) down: the
  // folders above are the user's to spell.
  std::string_view base = from_root_ ? root_chain_[0] : chain_->front();
  std::string relative;
  if (target_.starts_with(base)) relative = ResolveDotSegments(target_.substr(base.size()));
  if (relative.empty() || relative == "." || relative.starts_with("..")) {
    const std::string path = Resolved(target_);
    const std::size_t cut = path.rfind(kSeparator);
    if (cut == std::string::npos) return std::nullopt;
    return RealNamesBelow(lookup_, std::string_view(path).substr(0, cut + 1), path.substr(cut + 1));
  }
  return RealNamesBelow(lookup_, base, relative);
}

bool MoreLinkTester::FolderSpelledExactly(std::string_view path) {
  const std::string_view folder = path.substr(0, path.rfind(kSeparator) + 1);
  const std::uint64_t hash = HashPath(folder);
  if (const auto known = exact_folders_.Find(hash, folder)) return *known != 0;
  const std::string& base =
      folder.starts_with(top_key_) || !folder.starts_with(root_key_) ? top_key_ : root_key_;
  bool exact = true;  // names above the top folder and the site root are the user's
  if (folder.starts_with(base) && folder.size() > base.size()) {
    const auto real = RealNamesBelow(lookup_, base,
                                     folder.substr(base.size(), folder.size() - base.size() - 1),
                                     PathKind::kFolder);
    exact = real && real->empty();
  }
  exact_folders_.Insert(hash, folder, exact ? 1 : 0);
  return exact;
}

void MoreLinkTester::Report(LinkKind kind, std::string suggestion, bool with_fragment) {
  BrokenLink link;
  link.target = target_;
  if (with_fragment) {
    link.target += '#';
    link.target.append(formed_.fragment);
  }
  link.link.assign(written_);
  link.line = line_;
  link.column = column_;
  link.kind = kind;
  link.suggestion = std::move(suggestion);
  broken_->push_back(std::move(link));
}

}  // namespace qvn
