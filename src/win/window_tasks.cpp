#include "win/window_tasks.h"

#include <utility>

namespace qvn::win {

void WindowTasks::Run(std::function<void()> work, std::function<void()> done) {
  threads_.emplace_back();
  auto self = std::prev(threads_.end());
  *self = std::thread([this, self, work = std::move(work), done = std::move(done)]() mutable {
    work();
    // Posted last, so it comes after every task the work posted; the
    // thread is joined there, on the window thread.
    Post([this, self, done = std::move(done)] {
      self->join();
      threads_.erase(self);
      done();
    });
  });
}

void WindowTasks::Post(std::function<void()> task) {
  bool first = false;
  {
    std::lock_guard lock(mutex_);
    first = tasks_.empty();
    tasks_.push_back(std::move(task));
  }
  // One message stands for every task waiting.
  if (first) PostMessageW(window_, message_, 0, 0);
}

void WindowTasks::RunPosted() {
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard lock(mutex_);
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void WindowTasks::WaitForAll() {
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
  threads_.clear();
  std::lock_guard lock(mutex_);
  tasks_.clear();
}

}  // namespace qvn::win
