// How wide text is in a reading font, in columns of a Latin letter: East Asian characters take
// two, so that a page of Chinese holds as much as the screen shows.
#pragma once

#include <QStringView>

namespace making {

bool IsWideCharacter(char32_t character);

// A surrogate pair counts once.
qsizetype TextColumns(QStringView text);

}  // namespace making
