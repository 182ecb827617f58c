// Settings files applied to the user's choices, and choices saved.

#include "core/app/settings_choices.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn::app {
namespace {

using test::TempDir;

// A file that sets every field away from its default.
Settings FullSettings(const std::string& top) {
  Settings s;
  s.top_folder = "  " + top + "  ";
  s.excluded_subfolders = "Old\r\n\r\n  tmp  ";
  s.excluded_filepaths = " bak ";
  s.excluded_links = " mailto ";
  s.top_folder_only = s.show_repeated = s.include_php = 1;
  s.all_links = s.check_fragments = 1;
  return s;
}

// What a window holds before the file is loaded.
Choices Previous() {
  Choices c;
  c.top_folder = "previous/";
  c.excluded_subfolders = {"x"};
  c.excluded_filepaths = "p";
  c.excluded_links = "l";
  c.show_repeated = true;
  c.more.letter_case = true;
  return c;
}

TEST(ApplySettings, TakesTheFieldsReadAndLeavesTheRest) {
  TempDir site;
  const Settings file = FullSettings(site.path());
  struct Case {
    int read;
    std::string top;
    std::size_t subfolders;
    std::string links;
    bool show_repeated, all_links, letter_case;
  };
  const Case cases[] = {
      {0, "previous/", 0, "", true, false, true},
      {1, site.path(), 0, "", true, false, true},
      {4, site.path(), 2, "mailto", true, false, true},
      {6, site.path(), 2, "mailto", true, false, true},
      {7, site.path(), 2, "mailto", true, true, false},
  };
  for (const auto& c : cases) {
    Choices choices = Previous();
    const SettingsApplied applied = ApplySettings(file, c.read, choices);
    SCOPED_TRACE(c.read);
    EXPECT_EQ(applied.complete, c.read == 7);
    EXPECT_EQ(choices.top_folder, c.top);
    EXPECT_EQ(choices.excluded_subfolders.size(), c.subfolders);
    EXPECT_EQ(choices.excluded_links, c.links);
    EXPECT_EQ(choices.show_repeated, c.show_repeated);
    EXPECT_EQ(choices.more.all_links, c.all_links);
    EXPECT_EQ(choices.more.letter_case, c.letter_case);
  }
}

TEST(ApplySettings, AMissingTopFolderIsDroppedWithItsSubfolders) {
  TempDir site;
  site.Write("file.htm", "");
  for (const std::string& top : {site.path() + "gone", site.path() + "file.htm"}) {
    Settings file = FullSettings(top);
    Choices choices = Previous();
    const SettingsApplied applied = ApplySettings(file, 7, choices);
    EXPECT_EQ(applied.dropped_top_folder, top);
    EXPECT_EQ(choices.top_folder, "");
    EXPECT_TRUE(choices.excluded_subfolders.empty());
    EXPECT_EQ(choices.excluded_filepaths, "bak");  // the rest still applies
  }
}

TEST(SettingsOf, SurvivesSavingAndLoading) {
  TempDir site, files;
  Choices saved;
  ApplySettings(FullSettings(site.path()), 7, saved);
  saved.more.site_root = true;
  saved.more.site_root_folder = site.path();
  SystemError error;
  ASSERT_TRUE(SaveSettingsFile(files.path() + "s.usr", saved, &error)) << error.description;
  Choices loaded;
  const SettingsApplied applied = LoadSettingsFile(files.path() + "s.usr", loaded, &error);
  EXPECT_TRUE(applied.complete);
  EXPECT_EQ(loaded.top_folder, saved.top_folder);
  EXPECT_EQ(loaded.excluded_subfolders, (std::vector<std::string>{"Old", "tmp"}));
  EXPECT_EQ(loaded.excluded_filepaths, saved.excluded_filepaths);
  EXPECT_EQ(loaded.more.site_root_folder, saved.more.site_root_folder);
  EXPECT_EQ(LoadSettingsFile(files.path() + "none.usr", loaded, &error).fields_read, -1);
}

}  // namespace
}  // namespace qvn::app
