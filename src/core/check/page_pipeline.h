#pragma once
// Reads pages on a few worker threads while the walk goes on, and hands each
// page's broken links back on the walking thread in walk order, so results do
// not depend on which thread finished first.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/links/link_checker.h"
#include "core/results/broken_links.h"
#include "core/site/existence_cache.h"
#include "core/site/selection.h"
#include "core/site/status.h"
#include "core/site/walk.h"

namespace qvn {

class LinkChecker;
struct MoreCheckContext;

class PagePipeline {
 public:
  /// What became of a page: read, empty, or unreadable (error says why).
  struct PageOutcome {
    PageRead read = PageRead::kRead;
    SystemError error = {};
  };

  /// Receives a page's results: its path, what became of it, and its broken
  /// links.
  using Commit = std::function<void(const std::string& path, const PageOutcome& outcome,
                                    std::vector<BrokenLink>& broken)>;

  /// Receives, right after a page's commit, the existing files its links
  /// name (see LinkChecker::CheckLinksInFile).
  using CommitLinked =
      std::function<void(const std::string& path, std::vector<std::string>& linked)>;

  /// workers 0 reads each page at once on the calling thread. status is
  /// polled while waiting for a slow page; once it asks to stop, no more
  /// pages are committed. Pages' existing targets are gathered only when
  /// commit_linked is given. more: the more checks that pages are read with
  /// (with more.external, the links to other sites come among the broken
  /// links as candidates: see CollectExternalLink).
  PagePipeline(const std::vector<std::string>& excluded_links, unsigned workers, Status& status,
               Commit commit, CommitLinked commit_linked = nullptr,
               const MoreChecks& more = MoreChecks());
  ~PagePipeline();
  PagePipeline(const PagePipeline&) = delete;
  PagePipeline& operator=(const PagePipeline&) = delete;

  /// Queues a page and commits those that are done (in order).
  void Submit(std::string path, const PageFolder& folder);

  /// Commits every queued page, or, once a stop was asked for, drops the pages
  /// not yet committed so that the results end with a whole page.
  void Finish();

 private:
  struct Task;
  void WorkerLoop();
  void CommitDone();
  void WaitForOldest();
  void StopWorkers();
  void Read(LinkChecker& checker, Task& task, const std::atomic<bool>* cancel);
  void CommitTask(Task& task);

  std::vector<std::string> excluded_links_;
  Status& status_;
  Commit commit_;
  CommitLinked commit_linked_;
  ExistenceCache cache_;
  std::unique_ptr<MoreCheckContext> more_;  // null when every more check is off
  bool external_;                           // links to other sites are collected
  std::mutex mutex_;
  std::condition_variable work_ready_, task_done_;
  std::deque<Task*> queue_;                   // waiting for a worker
  std::deque<std::unique_ptr<Task>> window_;  // submitted, not yet committed
  bool shutdown_ = false;
  std::atomic<bool> cancel_{false};
  std::vector<std::thread> threads_;
};

/// Worker threads for reading pages on this machine.
unsigned DefaultPageWorkers();

}  // namespace qvn
