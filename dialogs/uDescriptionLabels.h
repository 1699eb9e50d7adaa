// What the description's fields are called, in the reader's language, for every window that
// shows them.
#pragma once

#include "uWolfDefs.h"

#include <QString>

namespace dialogs {

QString DescriptionFieldLabel(wolf::TWolfDescription::TField field);

}  // namespace dialogs
