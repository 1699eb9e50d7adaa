// The messages of the book library and the platform layer are English; the viewer shows
// them in its reader's language, looked up by their exact English text.
#pragma once

#include <QString>

namespace dialogs {

// The message in the program's language; a message the table does not know stays as it is.
QString TranslatedErrorText(const QString& message);

}  // namespace dialogs
