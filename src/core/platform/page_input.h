#pragma once
// A page's bytes as the scans read them: UTF-8 or single-byte text passes
// through as it is; a page that starts with a UTF-16 byte-order mark is
// decoded to UTF-8 as it is read (the mark becomes U+FEFF, as a UTF-8 page's
// mark reads), so lines and columns count as in any other page.

#include <cstddef>
#include <memory>
#include <string>

#include "core/platform/platform.h"
#include "core/text/utf16.h"

namespace qvn {

class PageInput {
 public:
  /// Reads file, open at its start.
  explicit PageInput(InputFile& file);
  ~PageInput();
  PageInput(const PageInput&) = delete;
  PageInput& operator=(const PageInput&) = delete;

  /// As InputFile::Read: up to size bytes; the count, 0 at the end, -1 on
  /// error. As with a regular file, fewer than size bytes come only at the end.
  long long Read(char* buffer, std::size_t size);

 private:
  long long Start(char* buffer, std::size_t size);
  long long ReadDecoded(char* buffer, std::size_t size);
  std::size_t TakeReady(char* buffer, std::size_t size);
  void Decode(std::string_view bytes, bool last);

  InputFile& file_;
  bool started_ = false;
  bool at_end_ = false;
  std::unique_ptr<Utf16Decoder> decoder_;  // for a UTF-16 page only
  std::string raw_;                        // a block of a UTF-16 page as read
  std::string ready_;                      // bytes to give before reading more
  std::size_t given_ = 0;                  // of ready_
};

}  // namespace qvn
