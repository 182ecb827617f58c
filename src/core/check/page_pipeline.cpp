#include "core/check/page_pipeline.h"

#include <algorithm>
#include <chrono>

#include "core/links/link_checker.h"
#include "core/links/more_check_context.h"

namespace qvn {
namespace {

// Pages read ahead of the oldest uncommitted one; bounds memory.
constexpr std::size_t kWindow = 512;
// Pages a worker takes at once: fewer hand-overs between threads.
constexpr std::size_t kBatch = 8;
// How often a wait for a slow page lets the front end check for a stop.
constexpr auto kPollInterval = std::chrono::milliseconds(15);

}  // namespace

struct PagePipeline::Task {
  std::string path;
  PageFolder folder;
  std::vector<BrokenLink> broken;
  std::vector<std::string> linked;
  PageOutcome outcome;
  bool done = false;
};

PagePipeline::PagePipeline(const std::vector<std::string>& excluded_links, unsigned workers,
                           Status& status, Commit commit, CommitLinked commit_linked,
                           const MoreChecks& more)
    : excluded_links_(excluded_links),
      status_(status),
      commit_(std::move(commit)),
      commit_linked_(std::move(commit_linked)),
      more_(more.AnyOn() ? std::make_unique<MoreCheckContext>(more) : nullptr),
      external_(more.external) {
  for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { WorkerLoop(); });
}

PagePipeline::~PagePipeline() {
  cancel_ = true;
  StopWorkers();
}

void PagePipeline::WorkerLoop() {
  LinkChecker checker(excluded_links_, cache_, more_.get(), external_);
  std::vector<Task*> batch;
  while (true) {
    batch.clear();
    {
      std::unique_lock<std::mutex> lock(mutex_);
      work_ready_.wait(lock, [this] { return shutdown_ || !queue_.empty(); });
      if (queue_.empty()) return;
      // Taking a few pages at once; leave some for the other workers.
      const std::size_t take = std::clamp<std::size_t>(queue_.size() / 2, 1, kBatch);
      for (std::size_t i = 0; i < take; ++i) {
        batch.push_back(queue_.front());
        queue_.pop_front();
      }
    }
    for (Task* task : batch) {
      if (!cancel_) Read(checker, *task, &cancel_);
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      for (Task* task : batch) task->done = true;
    }
    task_done_.notify_all();
  }
}

void PagePipeline::Read(LinkChecker& checker, Task& task, const std::atomic<bool>* cancel) {
  task.outcome.read =
      checker.CheckLinksInFile(task.path, *task.folder.chain, task.broken, cancel,
                               task.folder.handle.get(), commit_linked_ ? &task.linked : nullptr);
  if (task.outcome.read == PageRead::kUnreadable) task.outcome.error = checker.last_error();
}

void PagePipeline::CommitTask(Task& task) {
  commit_(task.path, task.outcome, task.broken);
  if (commit_linked_) commit_linked_(task.path, task.linked);
}

void PagePipeline::Submit(std::string path, const PageFolder& folder) {
  auto task = std::make_unique<Task>();
  task->path = std::move(path);
  task->folder = folder;
  if (threads_.empty()) {
    LinkChecker checker(excluded_links_, cache_, more_.get(), external_);
    Read(checker, *task, nullptr);
    CommitTask(*task);
    return;
  }
  bool was_empty = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    was_empty = queue_.empty();
    queue_.push_back(task.get());
    window_.push_back(std::move(task));
  }
  // Workers sleep only on an empty queue, so only that change needs a wake-up.
  if (was_empty) work_ready_.notify_all();
  CommitDone();
  while (window_.size() >= kWindow && !cancel_) WaitForOldest();
}

void PagePipeline::CommitDone() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!window_.empty() && window_.front()->done && !cancel_) {
    std::unique_ptr<Task> task = std::move(window_.front());
    window_.pop_front();
    lock.unlock();
    CommitTask(*task);
    // Between two pages is where a stop takes effect.
    if (status_.ShouldStop()) cancel_ = true;
    lock.lock();
  }
}

void PagePipeline::WaitForOldest() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    task_done_.wait_for(lock, kPollInterval, [this] { return window_.front()->done; });
  }
  CommitDone();
  if (!window_.empty() && status_.ShouldStop()) cancel_ = true;
}

void PagePipeline::Finish() {
  if (status_.ShouldStop()) cancel_ = true;
  while (!window_.empty() && !cancel_) WaitForOldest();
  StopWorkers();
  window_.clear();
}

void PagePipeline::StopWorkers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    shutdown_ = true;
    if (cancel_) queue_.clear();
  }
  work_ready_.notify_all();
  for (auto& thread : threads_) thread.join();
  threads_.clear();
}

unsigned DefaultPageWorkers() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

}  // namespace qvn
