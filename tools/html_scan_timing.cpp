// Times the line scan and the HTML scan over every page of a folder, on one
// thread: once reading the files (as a check does), once over pages already
// in memory. The HTML scan is meant to stay within twice the line scan.
// Times are processor time (user and system), which other work on a shared
// machine disturbs far less than wall time.
//
// Build against any build of the core (here build/):
//   c++ -O2 -std=c++20 -Isrc tools/html_scan_timing.cpp build/test/src/core/libqvncore.a -pthread
//       -o build/html_scan_timing
// Run:  build/html_scan_timing FOLDER [runs]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/links/html/html_scanner.h"
#include "core/links/line_reader.h"
#include "core/links/link_extract.h"

namespace {

std::vector<std::string> Pages(const char* folder) {
  std::vector<std::string> pages;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension().string().find("htm") != std::string::npos)
      pages.push_back(entry.path().string());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

// What the check does per line, short of testing the targets.
long long LineScan(std::string_view line, std::string& scratch) {
  const auto raw = qvn::FindLinkInLine(line);
  if (!raw) return 0;
  return qvn::LinkText(line, *raw, scratch).empty() ? 0 : 1;
}

long long LineScanFile(const std::string& path) {
  qvn::InputFile file;
  if (!file.Open(path)) return 0;
  qvn::LineReader reader(file);
  std::string_view line;
  std::string scratch;
  long long links = 0;
  while (reader.Next(line)) links += LineScan(line, scratch);
  return links;
}

long long LineScanMemory(std::string_view page) {
  std::string scratch;
  long long links = 0;
  while (!page.empty()) {
    const void* lf = std::memchr(page.data(), '\n', page.size());
    const std::size_t end = lf != nullptr ? static_cast<const char*>(lf) - page.data() : page.size();
    links += LineScan(page.substr(0, end), scratch);
    page.remove_prefix(std::min(page.size(), end + 1));
  }
  return links;
}

// The median processor time of runs of work, in seconds, and what work counted.
double Median(int runs, const std::function<long long()>& work, long long& count) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const std::clock_t start = std::clock();
    count = work();
    times.push_back(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Print(const char* what, double line_time, long long line_links, double html_time,
           long long html_links) {
  std::printf("%-9s line scan %7.3f s (%lld links)   HTML scan %7.3f s (%lld links)   ratio %.2f\n",
              what, line_time, line_links, html_time, html_links, html_time / line_time);
}

// Both scans reading every file, then both over the pages in memory.
void TimeScans(const std::vector<std::string>& paths, const std::vector<std::string>& pages,
               int runs) {
  long long html_links = 0;
  qvn::HtmlScanner scanner([&](const qvn::HtmlLink&) { ++html_links; });
  long long line_count = 0, html_count = 0;
  const double line_files = Median(runs, [&] {
    long long links = 0;
    for (const auto& path : paths) links += LineScanFile(path);
    return links;
  }, line_count);
  const double html_files = Median(runs, [&] {
    html_links = 0;
    for (const auto& path : paths) {
      qvn::InputFile file;
      if (file.Open(path)) scanner.ScanFile(file);
    }
    return html_links;
  }, html_count);
  Print("files:", line_files, line_count, html_files, html_count);
  const double line_memory = Median(runs, [&] {
    long long links = 0;
    for (const auto& page : pages) links += LineScanMemory(page);
    return links;
  }, line_count);
  const double html_memory = Median(runs, [&] {
    html_links = 0;
    for (const auto& page : pages) {
      scanner.Reset();
      scanner.Feed(page);
      scanner.Finish();
    }
    return html_links;
  }, html_count);
  Print("memory:", line_memory, line_count, html_memory, html_count);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const std::vector<std::string> paths = Pages(argv[1]);
  std::vector<std::string> pages(paths.size());
  qvn::SystemError error;
  for (std::size_t i = 0; i < paths.size(); ++i)
    qvn::ReadWholeFile(paths[i], pages[i], &error, UINT64_MAX);
  std::printf("%zu pages, median of %d runs\n", paths.size(), runs);
  TimeScans(paths, pages, runs);
  return 0;
}
