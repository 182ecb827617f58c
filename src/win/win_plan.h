#pragma once
// A control's design in one call, the rest of ControlPlan left as it is.

#include "win/win_ui.h"

namespace qvn::win {

inline ControlPlan Plan(ControlKind kind, const char* name, const char* caption,
                        const app::TwipsRect& rect, const FontPlan& font, int id = 0,
                        DWORD style = 0) {
  ControlPlan plan;
  plan.kind = kind;
  plan.name = name;
  plan.caption = caption;
  plan.rect = rect;
  plan.font = font;
  plan.id = id;
  plan.style = style;
  return plan;
}

/// As above, on a back colour of its own.
inline ControlPlan Plan(ControlKind kind, const char* name, const char* caption,
                        const app::TwipsRect& rect, const FontPlan& font, COLORREF back) {
  ControlPlan plan = Plan(kind, name, caption, rect, font);
  plan.back = back;
  return plan;
}

}  // namespace qvn::win
