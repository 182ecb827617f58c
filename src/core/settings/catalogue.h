#pragma once
// The message catalogue: the program's numbered user-visible texts, loaded
// once at start-up from a file in the program's folder.
//
// Catalogue file format
// - UTF-8 text; a byte-order mark at the start is skipped, and a line that is
//   not valid UTF-8 is read as Windows-1252. Lines end at LF, CR LF or CR.
//   Lines are numbered from 1, counting every line (comments and blank ones
//   too), so that a reported line number is the one an editor shows.
// - Blank lines (nothing but spaces and tabs) are ignored, and so are comment
//   lines, whose first character other than a space or tab is "#".
// - Every other line holds one text: "<number><spaces or tabs><text>".
//   The number is a decimal 16-bit signed integer (-32768..32767, an optional
//   "-", no "+"), optionally preceded by spaces or tabs. The text is the rest
//   of the line without spaces and tabs at either end, so a text can neither
//   begin nor end with a blank nor hold a line break. It is at most 1024
//   characters long. The text "~" stands for an empty text.
// - A number occurs at most once in the file.
//
// Example:
//   # Quorvane message texts
//   35    Please choose the top folder of your site first.
//   310   Quorvane

#include <map>
#include <string>

namespace qvn {

/// Load failure codes (see CatalogueFailureText for their messages).
inline constexpr int kCatalogueNoText = 0;           ///< no line holds a text
inline constexpr int kCatalogueCannotOpen = -1;      ///< missing, a folder, or unreadable
inline constexpr int kCatalogueTooMuchText = -3;     ///< file larger than kCatalogueMaxFileBytes
inline constexpr int kCatalogueLineLost = -4;        ///< a missing or too long text beyond line 500
inline constexpr int kCatalogueEmptyFile = -6;       ///< the file has no bytes at all
inline constexpr int kCatalogueReadError = -7;       ///< opened, but reading failed
inline constexpr int kCatalogueOutOfMemory = -8;     ///< memory ran out while loading
inline constexpr int kCatalogueMissingBase = -500;   ///< -(500+N): no valid text at line N
inline constexpr int kCatalogueTooLongBase = -1000;  ///< -(1000+N): text too long at line N
inline constexpr int kCatalogueDuplicateBase = -1500;  ///< -(1500+N): number repeated at line N

/// Longest text, in characters.
inline constexpr long long kCatalogueMaxTextLength = 1024;
/// Largest catalogue file accepted, in bytes.
inline constexpr long long kCatalogueMaxFileBytes = 16LL * 1024 * 1024;

/// The numbered texts of one catalogue file.
class Catalogue {
 public:
  /// Reads the catalogue file at path (UTF-8), replacing any texts held.
  /// Returns the number of texts read (> 0) on success. Otherwise the result
  /// is a failure code, the first fault in file order, and no texts are held:
  /// - kCatalogueCannotOpen, kCatalogueEmptyFile, kCatalogueReadError,
  ///   kCatalogueTooMuchText, kCatalogueOutOfMemory as described above;
  /// - kCatalogueNoText when the file holds only blank and comment lines;
  /// - -(500+N) when line N has no text after its number, or does not start
  ///   with a valid number (not a decimal, or outside the 16-bit range);
  /// - -(1000+N) when the text of line N is longer than 1024 characters;
  /// - -(1500+N) when line N repeats the number of an earlier line.
  /// A missing or too long text beyond line 500 cannot be told apart from
  /// the other faults by its code and gives kCatalogueLineLost instead.
  int Load(const std::string& path);

  /// Text number `number`; "" when there is none or the text is "~".
  std::string Get(int number) const;

 private:
  std::map<int, std::string> texts_;
};

/// The message body for a failure code of Catalogue::Load; path is the
/// catalogue file's full path, shown after CR LF for kCatalogueCannotOpen.
/// Codes from -500 to -5 that have no message of their own read
/// "Error <code>" ("Error -5"); a code above 0 (success) gives "".
std::string CatalogueFailureText(int code, const std::string& path);

/// The catalogue path: program_folder, the platform's separator unless the
/// folder already ends in one, then file_name. An empty folder gives
/// file_name alone (a file in the current folder).
std::string CataloguePath(const std::string& program_folder, const std::string& file_name);

}  // namespace qvn
