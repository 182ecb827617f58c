#pragma once
// A viewer window's design, in twips, which every desktop front end lays out.

namespace qvn::app::viewer_layout {

inline constexpr int kDesignWidth = 11670;  // inner size
inline constexpr int kDesignHeight = 6585;
inline constexpr int kMinWidth = 8000;  // outer size
inline constexpr int kMinHeight = 2000;
inline constexpr int kBoxMargin = 105;
inline constexpr int kButtonHeight = 330;
inline constexpr int kCopyWidth = 3270;
inline constexpr int kCopySelectedWidth = 4425;
inline constexpr int kCloseWidth = 1740;
inline constexpr int kBoxHeight = 5760;
inline constexpr int kBelowBox = kDesignHeight - kBoxMargin - kBoxHeight;  // room for the buttons
inline constexpr int kButtonGap = 135;                                     // from the box to the buttons

}  // namespace qvn::app::viewer_layout
