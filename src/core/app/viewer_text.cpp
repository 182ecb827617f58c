#include "core/app/viewer_text.h"

#include "core/platform/text_file.h"
#include "core/settings/catalogue_texts.h"
#include "core/text/utf.h"

namespace qvn::app {
namespace {

// A longer file is shown cut, its head between two notes, so the user knows
// to open it elsewhere.
constexpr std::string_view kHeadNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
constexpr std::string_view kTailNote = "NOTE: Entire contents of file have not been displayed.\r\n";

// The bytes of text's first `units` UTF-16 units, or fewer where a
// character would be split.
std::size_t HeadBytes(std::string_view text, std::size_t units) {
  std::size_t i = 0, counted = 0;
  while (i < text.size()) {
    std::size_t next = i;
    const std::size_t width = DecodeNext(text, next) >= 0x10000 ? 2 : 1;
    if (counted + width > units) break;
    counted += width;
    i = next;
  }
  return i;
}

}  // namespace

std::string TextForViewer(std::string_view text) {
  if (Utf16Length(text) < kViewerTextLimit) return std::string(text);
  const std::size_t head = kViewerTextLimit - kHeadNote.size() - kTailNote.size();
  std::string shown(kHeadNote);
  shown += text.substr(0, HeadBytes(text, head));
  shown += "\r\n\r\n";
  shown += kTailNote;
  return shown;
}

ViewerText ReadForViewer(const std::string& path, const Catalogue& catalogue) {
  ViewerText read;
  SystemError error;
  if (!ReadTextFile(path, read.text, &error)) {
    read.text.clear();
    read.problem = Message{"Error " + std::to_string(error.code) + ".  " + error.description,
                           catalogue.Get(texts::kCannotReadFileTitle)};
  } else if (read.text.empty()) {
    read.problem =
        Message{catalogue.Get(texts::kEmptyFileShown), catalogue.Get(texts::kEmptyFileTitle)};
  } else {
    read.text = TextForViewer(read.text);
  }
  return read;
}

std::string ViewerCaption(Viewing viewing) {
  switch (viewing) {
    case Viewing::kReportBySource:
      return "Broken links sorted by link-from";
    case Viewing::kReportByTarget:
      return "Broken links sorted by link-to";
    case Viewing::kFileList:
      return "Files with links to be checked";
    case Viewing::kHelp:
      break;
  }
  return "Help for Quorvane";
}

std::string CopyButtonCaption(bool selection) {
  return selection ? "Copy selected text to clipboard" : "Copy to clipboard";
}

}  // namespace qvn::app
