#pragma once
// A control's design in one call, the rest of ControlSpec left as it is.

#include "win/win_ui.h"

namespace qvn::win {

inline ControlSpec Spec(ControlKind kind, const char* name, const char* caption,
                        const app::TwipsRect& rect, const FontSpec& font, int id = 0,
                        DWORD style = 0) {
  ControlSpec spec;
  spec.kind = kind;
  spec.name = name;
  spec.caption = caption;
  spec.rect = rect;
  spec.font = font;
  spec.id = id;
  spec.style = style;
  return spec;
}

/// As above, on a back colour of its own.
inline ControlSpec Spec(ControlKind kind, const char* name, const char* caption,
                        const app::TwipsRect& rect, const FontSpec& font, COLORREF back) {
  ControlSpec spec = Spec(kind, name, caption, rect, font);
  spec.back = back;
  return spec;
}

}  // namespace qvn::win
