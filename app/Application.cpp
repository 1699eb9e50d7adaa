#include "Application.h"

#include "ErrorReport.h"

namespace app {

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    dialogs::Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace app
