#include "gui/worker_thread.h"

namespace qvn::gui {

WorkerThread::WorkerThread(QObject* parent) : QObject(parent) {}

WorkerThread::~WorkerThread() { WaitForAll(); }

void WorkerThread::Run(std::function<void()> work, std::function<void()> done) {
  const quint64 id = next_id_++;
  QThread* thread = QThread::create(std::move(work));
  threads_[id] = thread;
  // Queued to this thread: it comes after every task the work posted.
  connect(thread, &QThread::finished, this, [this, id, done = std::move(done)] {
    const auto found = threads_.find(id);
    if (found == threads_.end()) return;  // waited for by WaitForAll
    found->second->wait();
    delete found->second;
    threads_.erase(found);
    done();
  }, Qt::QueuedConnection);
  thread->start();
}

void WorkerThread::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void WorkerThread::WaitForAll() {
  for (auto& [id, thread] : threads_) {
    thread->wait();
    delete thread;
  }
  threads_.clear();
}

}  // namespace qvn::gui
