#pragma once
// The numbers of the catalogue texts the program shows (data/qvn.dat).

namespace qvn::texts {

inline constexpr int kVendorAddress = 6;            ///< the vendor's web address
inline constexpr int kHelpFile = 16;                ///< the help file's name
inline constexpr int kEmptyFileShown = 17;          ///< a viewer was given an empty file
inline constexpr int kChooseTopFolderFirst = 23;    ///< subfolders asked for without a top folder
inline constexpr int kSelectSubfoldersTitle = 24;   ///< the subfolder window's caption
inline constexpr int kNoneExcluded = 25;            ///< no subfolder excluded
inline constexpr int kOneExcluded = 26;             ///< one subfolder excluded
inline constexpr int kManyExcluded = 27;            ///< "N" followed by this text
inline constexpr int kNoSubfolders = 29;            ///< the top folder has no subfolders
inline constexpr int kNoTopFolder = 35;             ///< a run without a top folder
inline constexpr int kTopFolderMissing = 36;        ///< the top folder is not a folder
inline constexpr int kSettingsSaved = 50;           ///< the notice after saving settings
inline constexpr int kEmptyFileTitle = 52;          ///< caption of the empty-file message
inline constexpr int kCannotReadFileTitle = 53;     ///< caption of the unreadable-file message
inline constexpr int kDataFolderName = 310;         ///< the data folder's name

}  // namespace qvn::texts
