// Named sizes of common grey-scale screens, and the --size argument.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace making {

struct TScreenProfile {
    const char* Name;
    QSize Size;
    int Inches;  // the screen's diagonal
};

// The first profile is the default: the page size the viewer's "1:1" zoom assumes.
const std::vector<TScreenProfile>& ScreenProfiles();

// A profile name or "WIDTHxHEIGHT" (each side 16 to 4096); nullopt for anything else.
std::optional<QSize> ParseScreenSize(const QString& text);

}  // namespace making
