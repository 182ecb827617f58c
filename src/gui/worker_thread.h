#pragma once
// A window's worker threads: work runs on a thread of its own, and tasks
// come back to the window's thread as queued calls, in the order posted.
// This implements WindowThread for the Qt windows.

#include <QObject>
#include <QThread>
#include <functional>
#include <map>

namespace qvn::gui {

class WorkerThread : public QObject {
  Q_OBJECT

 public:
  explicit WorkerThread(QObject* parent = nullptr);
  /// Waits for the work still running.
  ~WorkerThread() override;

  /// Runs work on a new thread, then done on this object's thread after
  /// every task the work posted.
  void Run(std::function<void()> work, std::function<void()> done);
  /// Runs task on this object's thread soon; callable from any thread.
  void Post(std::function<void()> task);
  /// Waits for the work still running; their done calls are dropped (the
  /// window is going).
  void WaitForAll();

 private:
  std::map<quint64, QThread*> threads_;
  quint64 next_id_ = 0;
};

}  // namespace qvn::gui
