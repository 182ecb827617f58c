#pragma once
// What presenters hand their windows, in toolkit-neutral form: places on
// the screen in twips, modal messages and questions, and the window thread
// that runs work in the background. Texts are UTF-8.

#include <functional>
#include <optional>
#include <string>

namespace qvn::app {

/// A window's place, in twips (1/1440 inch): left and top of its outer
/// frame on the screen; width and height as stated where it is used.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipsRect&) const = default;
};

enum class Icon { kNone, kWarning, kCritical };

/// A modal message with one OK button.
struct Message {
  std::string text;
  std::string title;
  Icon icon = Icon::kWarning;
  bool operator==(const Message&) const = default;
};

enum class Answer { kNone, kYes, kNo, kCancel };

/// What became of opening a web page in the user's browser.
struct WebLaunch {
  bool opened = true;
  /// When not opened: the system's error code, where it gives one.
  std::optional<int> error_code;
};

/// A modal question without icon: Yes and No, and Cancel when with_cancel.
struct Question {
  std::string text;
  std::string title;
  bool with_cancel = false;
  Answer default_answer = Answer::kNone;  ///< kNone: the toolkit's choice
  bool operator==(const Question&) const = default;
};

/// How a window runs work off its thread and comes back to it. Both calls
/// may come from any thread except where stated.
class WindowThread {
 public:
  virtual ~WindowThread() = default;
  /// Called on the window thread: runs work on a worker thread, then done
  /// on the window thread after every task the work posted. The window
  /// waits for running work before it is destroyed.
  virtual void RunInBackground(std::function<void()> work, std::function<void()> done) = 0;
  /// Runs task on the window thread soon, after the tasks posted before it.
  virtual void PostToWindow(std::function<void()> task) = 0;
};

}  // namespace qvn::app
