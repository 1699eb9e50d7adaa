// Orders names as people count: page2 before page10.
#pragma once

#include <QStringList>

namespace making {

void SortNaturally(QStringList& names);

}  // namespace making
