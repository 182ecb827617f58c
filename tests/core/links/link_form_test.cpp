#include "core/links/link_form.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

struct FormCase {
  const char* written;
  bool every_link, site_root;
  LinkForm form;
  const char* path;  // with "/"
  const char* fragment;
};

const FormCase kCases[] = {
    {"a.htm", false, false, LinkForm::kRelative, "a.htm", ""},
    {"a.htm#intro", false, false, LinkForm::kRelative, "a.htm", "intro"},
    {"a.htm?x=1#i?j", false, false, LinkForm::kRelative, "a.htm", "i?j"},
    {"#intro", false, false, LinkForm::kSamePage, "", "intro"},
    {"?page=2", true, false, LinkForm::kSkipped, "", ""},
    {"", true, false, LinkForm::kSkipped, "", ""},
    {"/img/a.gif", false, false, LinkForm::kSkipped, "", ""},
    {"/img/a.gif", false, true, LinkForm::kRootRelative, "img/a.gif", ""},
    {"//host/x", true, true, LinkForm::kSkipped, "", ""},
    {"//host/x", false, true, LinkForm::kSkipped, "", ""},
    // The line scan reads "\" as a name's start, the HTML scan as a slash (as browsers do).
    {"\\img\\a.gif", false, true, LinkForm::kRelative, "/img/a.gif", ""},
    {"\\img\\a.gif", true, true, LinkForm::kRootRelative, "img/a.gif", ""},
    {"\\\\host\\x", true, true, LinkForm::kSkipped, "", ""},
    // Schemes: the HTML scan skips any, the line scan its fixed markers.
    {"tel:123", true, false, LinkForm::kSkipped, "", ""},
    {"tel:123", false, false, LinkForm::kRelative, "tel:123", ""},
    {"svn+ssh:x", true, false, LinkForm::kSkipped, "", ""},
    {"MAILTO:a@b", false, false, LinkForm::kSkipped, "", ""},
    {"a/b:c.htm", true, false, LinkForm::kRelative, "a/b:c.htm", ""},
    {"1a:b.htm", true, false, LinkForm::kRelative, "1a:b.htm", ""},
    // Decoding: the line scan's fixed escapes, the HTML scan's every "%XX".
    {"a%2Eb%20c.htm", false, false, LinkForm::kRelative, "a%2Eb c.htm", ""},
    {"a%2Eb%20c.htm", true, false, LinkForm::kRelative, "a.b c.htm", ""},
    {"caf%E9.htm", true, false, LinkForm::kRelative, "caf\xC3\xA9.htm", ""},
    {"a.htm#%C3%A9", true, false, LinkForm::kRelative, "a.htm", "%C3%A9"},
    {"old/a.htm", true, false, LinkForm::kSkipped, "", ""},  // excluded word
};

TEST(LinkForm, FormsPathsAndFragments) {
  const std::vector<std::string> excluded = {"old"};
  for (const FormCase& c : kCases) {
    LinkFormRules rules;
    rules.every_link = c.every_link;
    rules.site_root = c.site_root;
    rules.excluded_folded = &excluded;
    FormedLink formed;
    formed.path = "left over";
    FormLink(c.written, rules, formed);
    EXPECT_EQ(formed.form, c.form) << c.written << " " << c.every_link;
    if (c.form == LinkForm::kSamePage) {
      EXPECT_EQ(formed.fragment, c.fragment) << c.written;
      continue;
    }
    if (c.form == LinkForm::kSkipped) continue;
    EXPECT_EQ(formed.path, test::Native(c.path)) << c.written << " " << c.every_link;
    EXPECT_EQ(formed.fragment, c.fragment) << c.written;
    EXPECT_EQ(formed.has_fragment, std::string_view(c.written).find('#') != std::string::npos);
  }
}

TEST(LinkForm, UrlSchemes) {
  for (const char* yes : {"http:", "a:", "x-y.z+1:rest", "C:\\dir"})
    EXPECT_TRUE(HasUrlScheme(yes)) << yes;
  for (const char* no : {"", ":x", "1x:", "a/b:c", "a?b:c", "a#b:c", "a b:c", "plain"})
    EXPECT_FALSE(HasUrlScheme(no)) << no;
}

}  // namespace
}  // namespace qvn
