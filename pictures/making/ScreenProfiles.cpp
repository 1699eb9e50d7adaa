#include "ScreenProfiles.h"

#include <QRegularExpression>
#include <vector>

namespace making {

const std::vector<TScreenProfile>& ScreenProfiles()
{
    static const std::vector<TScreenProfile> profiles{
        {"6inch-800", {600, 800}, 6},    {"6inch-1024", {758, 1024}, 6},    {"6inch-1448", {1072, 1448}, 6},
        {"7inch-1680", {1264, 1680}, 7}, {"10inch-1872", {1404, 1872}, 10},
    };
    return profiles;
}

std::optional<QSize> ParseScreenSize(const QString& text)
{
    for (const TScreenProfile& profile : ScreenProfiles())
        if (text.compare(QLatin1String(profile.Name), Qt::CaseInsensitive) == 0) return profile.Size;
    static const QRegularExpression sizePattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = sizePattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    constexpr int MinSide = 16, MaxSide = 4096;
    if (size.width() < MinSide || size.height() < MinSide || size.width() > MaxSide || size.height() > MaxSide)
        return std::nullopt;
    return size;
}

}  // namespace making
