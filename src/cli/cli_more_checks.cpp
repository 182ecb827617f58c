#include "cli/cli_more_checks.h"

#include <CLI/CLI.hpp>


namespace qvn::cli {

void AddMoreCheckFlags(CLI::App& command, MoreCheckFlags& flags) {
  command.add_flag("--all-links", flags.all_links,
                   "Read pages as HTML: every link of every tag, srcset, CSS url(), base href");
  command
      .add_option_function<std::string>(
          "--site-root", [&flags](const std::string& value) { flags.site_root = value; },
          "Resolve root-relative links (/img/a.gif) against this folder instead of skipping them")
      ->option_text("DIR");
  command.add_flag("--index-pages", flags.index_pages,
                   "A link to a folder needs an index page in it (index.html, index.htm, ...)");
  command
      .add_option_function<std::string>(
          "--index-files", [&flags](const std::string& value) { flags.index_files = value; },
          "As --index-pages, with these comma-separated index page names")
      ->option_text("LIST");
  command.add_flag("--check-fragments", flags.check_fragments,
                   "A link's #fragment needs that id (or a name) in the target page");
  command.add_flag("--case", flags.letter_case,
                   "Report links that find their file only when letter case is ignored, and "
                   "suggest names for missing files");
}

MoreChecks CombineMoreChecks(MoreChecks base, const MoreCheckFlags& flags) {
  base.all_links |= flags.all_links;
  if (flags.site_root) {
    base.site_root = true;
    base.site_root_folder = *flags.site_root;
  }
  base.index_pages |= flags.index_pages;
  if (flags.index_files) {
    base.index_pages = true;
    base.index_files = *flags.index_files;
  }
  base.check_fragments |= flags.check_fragments;
  base.letter_case |= flags.letter_case;
  return base;
}

}  // namespace qvn::cli
