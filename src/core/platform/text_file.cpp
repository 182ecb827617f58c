#include "core/platform/text_file.h"

#include "core/text/utf.h"
#include "core/text/utf16.h"

namespace qvn {

std::string EncodeTextFile(std::string_view text) {
#ifdef _WIN32
  return Utf8ToWindows1252(text);
#else
  return std::string(text);
#endif
}

bool WriteTextFile(const std::string& path, std::string_view text, SystemError* error) {
  return WriteFileReplacing(path, EncodeTextFile(text), error);
}

bool ReadTextFile(const std::string& path, std::string& text, SystemError* error,
                  std::uint64_t limit) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, error, limit)) return false;
  if (Utf16ByteOrderMark(bytes) != Utf16Order::kNone) {
    text = Utf16TextToUtf8(bytes);
    return true;
  }
  text = IsValidUtf8(bytes) ? std::move(bytes) : Windows1252ToUtf8(bytes);
  return true;
}

}  // namespace qvn
