#pragma once
// A link taken apart the way a repair rewrites it: the leading steps, the
// names of its path as written, and the rest ("?query#fragment") kept byte
// for byte. New names are written in the link's own style: the characters
// it percent-escapes, its hex letter case, its slash.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// How the scan that found the link decodes it.
struct LinkDecoding {
  /// The HTML scan: every "%XX" is decoded. Otherwise the line scan: only
  /// its fixed escapes ("%20", "%27", ... and "&amp;").
  bool every_link = false;
  /// The quote around the value in the page ('"', '\'' or 0 for none): a new
  /// name must not end the value early.
  char quote = '"';
};

/// A link's path split into what a repair keeps and what it may change.
struct LinkParts {
  std::string lead;                ///< "/", "./", "../../" as written ("" for none)
  std::vector<std::string> names;  ///< the path's names as written, at least one
  std::string tail;                ///< from the first "?" or "#" on, as written
  char slash = '/';                ///< the link's first slash, for names it did not have
  std::vector<char> separators;    ///< the slash written before each name after the first
  std::size_t parent_steps = 0;    ///< the ".." steps in lead
  bool root_relative = false;      ///< lead starts with a slash
};

/// Splits written; nullopt when its path is not a plain run of names after
/// the leading steps (an inner ".", "..", an empty name, a trailing slash).
std::optional<LinkParts> SplitLink(std::string_view written);

/// The link put back together from its parts.
std::string JoinLink(const LinkParts& parts);

/// How a link writes characters, read from a written text (a path or a fragment).
class LinkStyle {
 public:
  LinkStyle(std::string_view written, const LinkDecoding& decoding);

  /// name (UTF-8, as the file system or the page spells it) written as the
  /// link would write it: escaped where the link escapes that character (or
  /// must, to stay one name), literal elsewhere. nullopt when the name holds
  /// a character the scan could not read back.
  std::optional<std::string> Write(std::string_view name) const;
  /// As Write, for a fragment: any "%XX" may be used, as anchors are also
  /// compared percent-decoded.
  std::optional<std::string> WriteFragment(std::string_view name) const;

 private:
  std::optional<std::string> Encode(std::string_view name, bool any_escape, bool in_fragment) const;
  bool Escaped(char32_t c) const;

  LinkDecoding decoding_;
  std::u32string escaped_;  // folded characters the link wrote as escapes
  bool lower_hex_ = false;
  bool amp_entity_ = false;  // the line scan's "&amp;" for "&"
  bool escapes_non_ascii_ = false;
};

/// The written name decoded as the scan decodes it (UTF-8).
std::string DecodeName(std::string_view written, bool every_link);

/// text with each character simply lower-cased, for comparing names and
/// anchors with letter case ignored.
std::u32string Folded(std::string_view text);

}  // namespace qvn
