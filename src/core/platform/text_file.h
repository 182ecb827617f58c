#pragma once
// The program's own text files (reports, file list, settings): UTF-8 on
// POSIX, the ANSI code page (Windows-1252) on Windows; lines end in CR LF.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/platform.h"

namespace qvn {

/// Appends line and CR LF to out.
inline void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

/// text (UTF-8) as the bytes of one of our files on this platform.
std::string EncodeTextFile(std::string_view text);

/// Replaces the file at path with text (UTF-8 in memory) in the platform's
/// encoding for our files, through a temporary file in the same folder.
bool WriteTextFile(const std::string& path, std::string_view text, SystemError* error);

/// Reads one of our text files: UTF-16 when it starts with a UTF-16
/// byte-order mark (which is dropped), else UTF-8 when it is valid UTF-8,
/// otherwise Windows-1252, so files move between platforms and editors. A
/// file the user named should be read with a limit (ReadWholeFile tells how
/// it is read).
bool ReadTextFile(const std::string& path, std::string& text, SystemError* error,
                  std::uint64_t limit = UINT64_MAX);

}  // namespace qvn
