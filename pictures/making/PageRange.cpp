#include "PageRange.h"

#include <QRegularExpression>

namespace making {

std::optional<TPageRange> ParsePageRange(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,9})?\\s*(-)?\\s*(\\d{1,9})?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(3).isEmpty())) return std::nullopt;
    TPageRange range;
    if (!match.captured(1).isEmpty()) range.First = match.captured(1).toInt();
    if (!match.captured(3).isEmpty())
        range.Last = match.captured(3).toInt();
    else if (match.captured(2).isEmpty())
        range.Last = range.First;
    if (range.First < 1 || range.Last < range.First) return std::nullopt;
    return range;
}

QString PageRangeText(const TPageRange& range)
{
    if (range == TPageRange{}) return {};
    if (range.First == range.Last) return QString::number(range.First);
    const QString last = range.Last == TPageRange{}.Last ? QString() : QString::number(range.Last);
    return QStringLiteral("%1-%2").arg(range.First).arg(last);
}

}  // namespace making
