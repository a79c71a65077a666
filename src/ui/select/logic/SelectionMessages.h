#pragma once

namespace kav {

// The selection windows' messages. Pieces of one message are joined by '\r'.
inline constexpr const char* NoCommonNamedFiles =
    "New and Old Input File Directories have no common named files. \r"
    " Respecify Directories or use a different filter mask.";
inline constexpr const char* NoFilenameHighlighted =
    "No filename highlighted.  Highlight a filename and repeat.";
inline constexpr const char* NothingToUndo = "Nothing to Undo";
inline constexpr const char* NoLikeNamesSelected =
    "No paired filenames have been selected.\r"
    "Highlight one or more Like Named Paired File and repeat.";
inline constexpr const char* NoNewFilesToCompare =
    "New Input File Directory has no files to compare. \r"
    " Respecify the New Directory Name or use a different filter mask.";
inline constexpr const char* NoOldFilesToCompare =
    "Old Input File Directory has no files to compare. \r"
    " Respecify the Old Directory Name or use a different filter mask.";
inline constexpr const char* FilesNotIndividuallySelected =
    "The Compare files must be individually selected. \r"
    "Select each separate component and then \r"
    "press the \"Select New-Old Pair\" arrow";
inline constexpr const char* NoPairsHighlighted = "No file pairs have been highlighted. ";
inline constexpr const char* NoPairsSelected =
    "No paired filenames have been selected.\r"
    "Highlight one or more Like Named Paired Files,\r"
    " and \"Select New-Old Pair\" button to transfer components to \"Selected List\".";

}  // namespace kav
