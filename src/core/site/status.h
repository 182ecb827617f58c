#pragma once
// How a run reports progress and learns that the user wants it to stop. The
// desktop program answers with its event loop, the command line with a
// progress line and Ctrl-C.

#include <string>
#include <string_view>

namespace qvn {

class Status {
 public:
  virtual ~Status() = default;

  /// A check run is about to read page number `number` (counted from 1).
  virtual void PageStarted(long long number, std::string_view relative_path) {
    (void)number;
    (void)relative_path;
  }
  /// A check run has recorded its `count`-th broken link.
  virtual void BrokenLinksFound(long long count) { (void)count; }
  /// The check of links to other sites has its answers for `checked` of
  /// `total` distinct addresses (first with checked 0).
  virtual void AddressesChecked(long long checked, long long total) {
    (void)checked;
    (void)total;
  }
  /// A list run has selected its `count`-th file.
  virtual void FileListed(long long count) { (void)count; }
  /// Asked between files and folders; true ends the run after the current
  /// page. Once it has answered true the run asks no more.
  virtual bool ShouldStop() { return false; }
};

/// Passes everything on to another Status, but once that has asked to stop,
/// answers "stop" without asking again, so all parts of a run agree.
class StickyStatus : public Status {
 public:
  explicit StickyStatus(Status& inner) : inner_(inner) {}
  void PageStarted(long long number, std::string_view relative_path) override {
    inner_.PageStarted(number, relative_path);
  }
  void BrokenLinksFound(long long count) override { inner_.BrokenLinksFound(count); }
  void FileListed(long long count) override { inner_.FileListed(count); }
  void AddressesChecked(long long checked, long long total) override {
    inner_.AddressesChecked(checked, total);
  }
  bool ShouldStop() override {
    if (!stopped_) stopped_ = inner_.ShouldStop();
    return stopped_;
  }
  bool stopped() const { return stopped_; }

 private:
  Status& inner_;
  bool stopped_ = false;
};

/// '#12  news/page.htm': the progress text shown while a page is read.
std::string ScanningText(long long number, std::string_view relative_path);

/// "One broken link found so far." / "N broken links found so far."
std::string BrokenSoFarText(long long count);

/// "Number of files so far: 1,234"
std::string FilesSoFarText(long long count);

}  // namespace qvn
