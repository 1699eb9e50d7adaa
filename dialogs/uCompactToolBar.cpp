#include "uCompactToolBar.h"

#include <QToolBar>

namespace dialogs {

void MakeCompact(QToolBar* toolBar)
{
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setStyleSheet(
        QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                       "QToolButton { padding: 1px; }"));
}

}  // namespace dialogs
