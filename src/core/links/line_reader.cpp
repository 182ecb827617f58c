#include "core/links/line_reader.h"

#include <cstring>

namespace qvn {
namespace {

const char* FindLineEnd(const char* begin, const char* end) {
  const void* lf = std::memchr(begin, '\n', static_cast<std::size_t>(end - begin));
  const char* limit = lf != nullptr ? static_cast<const char*>(lf) : end;
  const void* cr = std::memchr(begin, '\r', static_cast<std::size_t>(limit - begin));
  return cr != nullptr ? static_cast<const char*>(cr) : limit;
}

}  // namespace

LineReader::LineReader(InputFile& file, std::size_t block_size)
    : input_(file), capacity_(block_size), buffer_(new char[block_size]) {}

bool LineReader::Refill() {
  begin_ = end_ = 0;
  if (at_end_ || failed_) return false;
  const long long got = input_.Read(buffer_.get(), capacity_);
  if (got < 0) {
    failed_ = true;
    return false;
  }
  // A regular file reads short only at its end: no need to ask once more.
  if (static_cast<std::size_t>(got) < capacity_) at_end_ = true;
  end_ = static_cast<std::size_t>(got);
  bytes_read_ += end_;
  return true;
}

bool LineReader::Next(std::string_view& line) {
  if (carry_given_) {
    carry_.clear();
    carry_given_ = false;
  }
  while (true) {
    const char* begin = buffer_.get() + begin_;
    const char* end = buffer_.get() + end_;
    const char* stop = FindLineEnd(begin, end);
    if (stop != end) {
      begin_ = static_cast<std::size_t>(stop - buffer_.get()) + 1;
      const bool lf_of_crlf = *stop == '\n' && after_cr_ && stop == begin && carry_.empty();
      after_cr_ = *stop == '\r';
      if (lf_of_crlf) continue;
      line_number_ = next_line_number_++;
      if (carry_.empty()) {
        if (stop == begin) continue;
        line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
        return true;
      }
      carry_.append(begin, stop);
      line = carry_;
      carry_given_ = true;
      return true;
    }
    if (end != begin) after_cr_ = false;
    carry_.append(begin, end);
    if (!Refill() || end_ == 0) {
      if (failed_ || carry_.empty()) return false;
      line_number_ = next_line_number_++;
      line = carry_;
      carry_given_ = true;
      return true;
    }
  }
}

}  // namespace qvn
