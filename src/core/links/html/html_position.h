#pragma once
// Line and column of a place in a page that arrives in blocks.

#include <cstddef>

namespace qvn {

/// Where a character stands: line and column, both from 1. CR LF, a lone CR
/// and a lone LF each end a line. Columns count as the line scan counts them
/// (UTF-16 units of the line's UTF-8 sequences; every byte that is not part
/// of one counts one), so both scans place a link alike.
struct TextPosition {
  long long line = 1;
  long long column = 1;
  bool operator==(const TextPosition&) const = default;
};

/// Counts lines and columns lazily: each block is looked at once, up to the
/// places asked for, which must not go backwards.
class PositionCounter {
 public:
  /// The next block of the page; the previous one must have been finished.
  void StartBlock(const char* begin, const char* end);
  /// Position of the character at p, a place in the current block at or
  /// after the last one asked for (end of the block allowed).
  TextPosition At(const char* p);
  /// Counts the rest of the block; a UTF-8 sequence cut by its end is
  /// completed from the next block.
  void FinishBlock();
  void Reset();

 private:
  void CountLines(const char* to);
  void CountColumns(const char* from, const char* to);

  long long line_ = 1;
  long long column_ = 1;  // of the character at cursor_
  bool after_cr_ = false;
  const char* begin_ = nullptr;  // of the current block
  const char* cursor_ = nullptr;
  const char* end_ = nullptr;
  unsigned char carry_[4] = {};  // the start of a sequence cut by a block's end
  std::size_t carry_size_ = 0;
};

}  // namespace qvn
