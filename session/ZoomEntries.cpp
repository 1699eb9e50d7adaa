#include "ZoomEntries.h"

#include <QCoreApplication>

namespace zoom {

QStringList EntryTexts()
{
    QStringList texts{QStringLiteral("1:1")};
    for (int entry = FirstPercent; entry <= LastPercent; ++entry) texts.append(QStringLiteral("%1%").arg(entry * 25));
    texts.append(QCoreApplication::translate("Zoom", "Fit Page"));
    texts.append(QCoreApplication::translate("Zoom", "Fit Width"));
    return texts;
}

}  // namespace zoom
