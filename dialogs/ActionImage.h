// The pictures of the actions, shared by the main window and the table-of-contents window,
// in the order of the program's image list.
#pragma once

namespace dialogs {

enum class TActionImage {
    FileOpen,
    FilePrefs,
    About,
    FileExit,
    ShowFirst,
    ShowPrev,
    ShowNext,
    ShowLast,
    GoToPage,
    ShowCover,
    ShowDescription,
    ShowTOC,
    EditDescription,
    EditTOC,
    Portrait,
    LandscapeLeft,
    LandscapeRight,
    ImportTOC,
    ExportTOC,
    NewPeerItem,
    NewSubItem,
    EditItem,
    DeleteItem,
    MoveUp,
    MoveDown,
    Save,
    Cancel,
};
constexpr int ActionImageCount = int(TActionImage::Cancel) + 1;

}  // namespace dialogs
