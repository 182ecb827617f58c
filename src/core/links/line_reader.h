#pragma once
// Reads a page line by line in large blocks. A line ends at a carriage
// return, a line feed, or both; empty lines are passed over. A UTF-16 page
// is read as its UTF-8 form (PageInput).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/platform/page_input.h"
#include "core/platform/platform.h"

namespace qvn {

class LineReader {
 public:
  explicit LineReader(InputFile& file, std::size_t block_size = 1 << 18);

  /// The next non-empty line, valid until the next call; false at the end of
  /// the file or when reading fails (failed() then tells which).
  bool Next(std::string_view& line);
  /// Number of the line Next gave last, counting empty lines too (CR LF, a
  /// lone CR and a lone LF each end one line), from 1.
  long long line_number() const { return line_number_; }
  bool failed() const { return failed_; }
  /// True once the file has been read to its end and held no byte at all.
  bool empty_file() const { return at_end_ && !failed_ && bytes_read_ == 0; }

 private:
  bool Refill();

  PageInput input_;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  std::string carry_;  // the start of a line that runs past the block
  bool carry_given_ = false;
  bool at_end_ = false;
  bool failed_ = false;
  std::uint64_t bytes_read_ = 0;
  long long line_number_ = 0;
  long long next_line_number_ = 1;
  bool after_cr_ = false;  // the last line end was a CR: a LF right after it adds no line
};

}  // namespace qvn
