// CSV: RFC 4180 quoting of names, the header, record ends and the baseline column.

#include <gtest/gtest.h>

#include "results_samples.h"
#include "core/results/report_csv.h"

namespace qvn {
namespace {

TEST(ResultsCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
  struct Case {
    std::string_view field, written;
  } cases[] = {
      {"plain.htm", "plain.htm"},
      {"", ""},
      {" spaced ", " spaced "},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"\"", "\"\"\"\""},
      {"line\nbreak", "\"line\nbreak\""},
      {"cr\rhere", "\"cr\rhere\""},
      {"crlf\r\n", "\"crlf\r\n\""},
      {"semi;colon", "semi;colon"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},
      {"caf\xE9,", "\"caf\xEF\xBF\xBD,\""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendCsvField(out, c.field);
    EXPECT_EQ(out, c.written) << c.field;
  }
}

TEST(ResultsCsv, HeaderThenOneRecordPerLinkEndingInCrLf) {
  EXPECT_EQ(FormatResultsCsv(test::OddlyNamedResult()),
            "page,line,column,link,target,kind,note,suggestion\r\n"
            "\"a,b.htm\",1,10,\"x \"\"quoted\"\".htm\",\"x \"\"quoted\"\".htm\",missing-file,"
            "no such file,\r\n"
            "\"line\nbreak.htm\",2,10,\"cr\rlf\r\n.htm\",\"cr\rlf\r\n.htm\",missing-file,"
            "no such file,\r\n"
            "caf\xEF\xBF\xBD *bold* _it_ [l](u) <b> #1 @me.htm,3,10,`tick`.htm,`tick`.htm,"
            "missing-file,no such file,\r\n"
            "tab\tand\x01.htm,4,10,100%.htm,100%.htm,missing-file,did you mean: 100.htm,"
            "100.htm\r\n");
}

TEST(ResultsCsv, ABaselineAddsAColumnAndTheFixedRows) {
  const CheckResult sample = test::SampleResult();
  const BaselineComparison comparison = test::SampleComparison(sample);
  const std::string csv = FormatResultsCsv(sample, &comparison);
  EXPECT_TRUE(csv.starts_with("page,line,column,link,target,kind,note,suggestion,baseline\r\n"
                              "index.htm,3,10,gone.htm#top,gone.htm,missing-file,no such file,,"
                              "new\r\n"
                              "index.htm,8,10,"))
      << csv;
  EXPECT_TRUE(csv.ends_with(",not-a-file,not a regular file,,existing\r\n"
                            "old.htm,5,10,fixed.htm,fixed.htm,missing-file,no such file,,"
                            "fixed\r\n"))
      << csv;
}

TEST(ResultsCsv, NoBrokenLinksIsJustTheHeader) {
  EXPECT_EQ(FormatResultsCsv(CheckResult{}),
            "page,line,column,link,target,kind,note,suggestion\r\n");
}

}  // namespace
}  // namespace qvn
