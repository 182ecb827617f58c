#include "core/platform/page_input.h"

#include <algorithm>
#include <cstring>

namespace qvn {

PageInput::PageInput(InputFile& file) : file_(file) {}

PageInput::~PageInput() = default;

long long PageInput::Read(char* buffer, std::size_t size) {
  if (!started_) return Start(buffer, size);
  if (decoder_) return ReadDecoded(buffer, size);
  const std::size_t taken = TakeReady(buffer, size);
  if (taken == size) return static_cast<long long>(taken);
  const long long got = file_.Read(buffer + taken, size - taken);
  if (got < 0) return taken > 0 ? static_cast<long long>(taken) : -1;
  return static_cast<long long>(taken) + got;
}

// The first read tells a UTF-16 page by its first two bytes; most pages are
// read straight into the caller's buffer, as without this class.
long long PageInput::Start(char* buffer, std::size_t size) {
  started_ = true;
  char head[2];
  const bool small = size < sizeof head;
  char* const into = small ? head : buffer;
  const long long got = file_.Read(into, small ? sizeof head : size);
  if (got < 0) return -1;
  const std::string_view bytes(into, static_cast<std::size_t>(got));
  const Utf16Order order = Utf16ByteOrderMark(bytes);
  if (order != Utf16Order::kNone) {
    decoder_ = std::make_unique<Utf16Decoder>(order);
    Decode(bytes, static_cast<std::size_t>(got) < (small ? sizeof head : size));
    return ReadDecoded(buffer, size);
  }
  if (!small) return got;
  ready_.assign(bytes);
  return Read(buffer, size);
}

void PageInput::Decode(std::string_view bytes, bool last) {
  decoder_->Decode(bytes, ready_);
  if (!last) return;
  decoder_->Finish(ready_);
  at_end_ = true;
}

long long PageInput::ReadDecoded(char* buffer, std::size_t size) {
  // Whole blocks until the end, as the readers expect of a regular file.
  while (ready_.size() - given_ < size && !at_end_) {
    raw_.resize(std::max<std::size_t>(size, 1 << 12));
    const long long got = file_.Read(raw_.data(), raw_.size());
    if (got < 0) return -1;
    Decode(std::string_view(raw_.data(), static_cast<std::size_t>(got)),
           static_cast<std::size_t>(got) < raw_.size());
  }
  return static_cast<long long>(TakeReady(buffer, size));
}

std::size_t PageInput::TakeReady(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, ready_.size() - given_);
  if (n > 0) std::memcpy(buffer, ready_.data() + given_, n);
  given_ += n;
  if (given_ == ready_.size()) {
    ready_.clear();
    given_ = 0;
  } else if (given_ > ready_.size() / 2) {
    ready_.erase(0, given_);
    given_ = 0;
  }
  return n;
}

}  // namespace qvn
