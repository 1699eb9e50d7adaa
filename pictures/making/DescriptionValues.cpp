#include "DescriptionValues.h"

#include <QRegularExpression>
#include <algorithm>

namespace making {
namespace {

bool HasIsbnCheckDigit(const QString& digits)
{
    if (digits.size() == 13 && (digits.startsWith(QLatin1String("978")) || digits.startsWith(QLatin1String("979")))) {
        int sum = 0;
        for (int i = 0; i < 13; ++i) {
            if (!digits[i].isDigit()) return false;
            sum += digits[i].digitValue() * (i % 2 ? 3 : 1);
        }
        return sum % 10 == 0;
    }
    if (digits.size() == 10) {
        int sum = 0;
        for (int i = 0; i < 10; ++i) {
            const int value = i == 9 && digits[i].toUpper() == u'X' ? 10 : digits[i].digitValue();
            if (value < 0) return false;
            sum += value * (10 - i);
        }
        return sum % 11 == 0;
    }
    return false;
}

}  // namespace

std::optional<QString> PublishDate(const QString& text)
{
    static const QRegularExpression fullDate(QStringLiteral("^\\s*(\\d{4}-\\d{2}-\\d{2})(?:$|[T\\s])"));
    static const QRegularExpression year(QStringLiteral("(?:^|\\D)(\\d{4})(?:$|\\D)"));
    if (const QRegularExpressionMatch match = fullDate.match(text); match.hasMatch()) return match.captured(1);
    if (const QRegularExpressionMatch match = year.match(text); match.hasMatch()) return match.captured(1);
    return std::nullopt;
}

std::optional<QString> IsbnIn(const QString& identifier, bool saysIsbn)
{
    static const QRegularExpression prefix(QStringLiteral("^\\s*(?:urn:isbn:|isbn(?:-1[03])?[:\\s]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString isbn = QString(identifier).remove(prefix).trimmed();
    static const QRegularExpression separators(QStringLiteral("[-\\s]"));
    const QString digits = QString(isbn).remove(separators);
    const bool hasDigits = std::any_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    if (saysIsbn ? hasDigits : HasIsbnCheckDigit(digits)) return isbn;
    return std::nullopt;
}

std::optional<QString> FirstThatFit(const QStringList& texts, int maxBytes)
{
    QString joined;
    for (const QString& text : texts) {
        const QString longer = joined.isEmpty() ? text : joined + QStringLiteral(", ") + text;
        if (longer.toUtf8().size() > maxBytes) break;
        joined = longer;
    }
    // A first text too long on its own is still the subject, cut where the field ends.
    if (joined.isEmpty() && !texts.isEmpty()) joined = texts.first();
    return joined.isEmpty() ? std::nullopt : std::optional(joined);
}

}  // namespace making
