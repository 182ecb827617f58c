#pragma once
// What a viewer of the program's text files shows: the file read whole, a
// long one cut with notes around its head, or the message that it cannot
// be shown; the captions of viewers and of their copy button.

#include <optional>
#include <string>
#include <string_view>

#include "core/app/view_types.h"
#include "core/app/window_places.h"
#include "core/settings/catalogue.h"

namespace qvn::app {

/// Viewer boxes hold fewer UTF-16 units than this.
inline constexpr std::size_t kViewerTextLimit = 65530;

/// text as a viewer box shows it: whole when shorter than kViewerTextLimit
/// UTF-16 units, otherwise its head between two notes, the whole exactly
/// that long plus the CR LF CR LF before the tail note (a character is
/// never split).
std::string TextForViewer(std::string_view text);

/// A file read for a viewer: the text to show, or the message to show instead.
struct ViewerText {
  std::string text;
  std::optional<Message> problem;  ///< set when the file cannot be read or is empty
};

/// Reads the file at path (one of our text files) for a viewer; messages
/// take their texts from catalogue.
ViewerText ReadForViewer(const std::string& path, const Catalogue& catalogue);

/// A viewer's window caption.
std::string ViewerCaption(Viewing viewing);

/// The copy button's caption, with or without a selection in the box.
std::string CopyButtonCaption(bool selection);

}  // namespace qvn::app
