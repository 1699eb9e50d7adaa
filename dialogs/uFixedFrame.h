// Dialogs whose frame the user cannot resize.
#pragma once

#include <QDialog>

namespace dialogs {

// The given client size, larger only where the system's font needs the room.
inline void FixFrameSize(QDialog* dialog, QSize size)
{
    dialog->setFixedSize(size.expandedTo(dialog->minimumSizeHint()));
}

}  // namespace dialogs
