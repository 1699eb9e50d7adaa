// The 27 pictures of the actions, drawn as 16 by 16 glyphs (and at the sizes high-density
// screens ask for), and the program's own icon.
#pragma once

#include <QIcon>

constexpr int ActionIconCount = 27;

// An empty icon for an index outside 0..26.
QIcon ActionIcon(int index);

// The window icon, from the application's SVG artwork.
QIcon ApplicationIcon();
