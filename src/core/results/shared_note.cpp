#include "core/results/shared_note.h"

#include <mutex>
#include <unordered_set>

namespace qvn {
namespace {

// Texts are never dropped: they are few (one per distinct answer), and a
// link may outlive the run that made it.
struct NotePool {
  std::mutex mutex;
  std::unordered_set<std::string> texts;
};

NotePool& Pool() {
  static NotePool* pool = new NotePool;  // never destroyed: notes may be read at exit
  return *pool;
}

}  // namespace

SharedNote::SharedNote(std::string_view text) {
  if (text.empty()) return;
  NotePool& pool = Pool();
  std::lock_guard<std::mutex> lock(pool.mutex);
  text_ = &*pool.texts.emplace(text).first;
}

const std::string& SharedNote::str() const {
  static const std::string kNone;
  return text_ != nullptr ? *text_ : kNone;
}

}  // namespace qvn
