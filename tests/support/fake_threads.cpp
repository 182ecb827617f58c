#include "support/fake_threads.h"

namespace qvn::test {

FakeThreads::~FakeThreads() {
  Release();
  for (auto& thread : threads_) thread.join();
}

void FakeThreads::Run(std::function<void()> work, std::function<void()> done) {
  ++runs_;
  auto body = [this, work = std::move(work), done = std::move(done)] {
    work();
    Post(done);
  };
  if (mode == Mode::kInline) {
    body();
  } else {
    threads_.emplace_back(body);
  }
}

void FakeThreads::Post(std::function<void()> task) {
  std::unique_lock lock(mutex_);
  tasks_.push_back(std::move(task));
  changed_.notify_all();
  if (hold_after_first_post && !held_once_ && std::this_thread::get_id() != owner_) {
    held_once_ = true;
    changed_.wait(lock, [this] { return released_; });
  }
}

void FakeThreads::WaitForPost() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !tasks_.empty(); });
}

void FakeThreads::Release() {
  std::lock_guard lock(mutex_);
  released_ = true;
  changed_.notify_all();
}

bool FakeThreads::RunOne() {
  std::function<void()> task;
  {
    std::lock_guard lock(mutex_);
    if (tasks_.empty()) return false;
    task = std::move(tasks_.front());
    tasks_.pop_front();
  }
  task();
  return true;
}

void FakeThreads::Finish() {
  Release();
  for (auto& thread : threads_) thread.join();
  threads_.clear();
  {
    std::lock_guard lock(mutex_);
    held_once_ = released_ = false;  // the next run is held again
  }
  while (RunOne()) {
  }
}

}  // namespace qvn::test
