// The pictures of the actions, drawn as 16 by 16 glyphs (and at the sizes high-density
// screens ask for), and the program's own icon.
#pragma once

#include "ActionImage.h"

#include <QIcon>

QIcon ActionIcon(dialogs::TActionImage image);

// The window icon, from the application's SVG artwork.
QIcon ApplicationIcon();
