// Toolbars as tight as the windows' designed widths need: 16-pixel images, buttons with a
// pixel of room around them, no gaps between items.
#pragma once

class QToolBar;

namespace dialogs {

void MakeCompact(QToolBar* toolBar);

}  // namespace dialogs
