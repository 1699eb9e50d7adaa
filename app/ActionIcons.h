// The 27 pictures of the actions, drawn at start-up as 16 by 16 glyphs (and twice that
// for high-density screens).
#pragma once

#include <QIcon>

constexpr int ActionIconCount = 27;

// An empty icon for an index outside 0..26.
QIcon ActionIcon(int index);
