#include "ComicInfo.h"

#include <QDate>
#include <QXmlStreamReader>
#include <map>

namespace making {
namespace {

using wolf::TWolfDescription;

// GTIN-13 with the book prefixes (978, 979) and a right check digit, also as a GTIN-14 of no
// packaging level; written with hyphens or spaces, it is kept as written.
std::optional<QString> IsbnOf(const QString& gtin)
{
    QString digits;
    for (const QChar c : gtin) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c != u'-' && c != u' ')
            return std::nullopt;
    }
    const bool packaged = digits.size() == 14 && digits.startsWith(u'0');
    if (packaged) digits.remove(0, 1);
    if (digits.size() != 13 || !(digits.startsWith(QLatin1String("978")) || digits.startsWith(QLatin1String("979"))))
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < 13; ++i) sum += digits[i].digitValue() * (i % 2 ? 3 : 1);
    if (sum % 10 != 0) return std::nullopt;
    return packaged ? digits : gtin;
}

// YYYY-MM-DD, or YYYY when the month or the day is missing or no date.
std::optional<QString> PublishTime(const QString& yearText, const QString& monthText, const QString& dayText)
{
    bool isYear = false, isMonth = false, isDay = false;
    const int year = yearText.toInt(&isYear), month = monthText.toInt(&isMonth), day = dayText.toInt(&isDay);
    if (!isYear || year < 1 || year > 9999) return std::nullopt;
    const QString yearOnly = QString::number(year).rightJustified(4, u'0');
    if (!isMonth || !isDay || !QDate::isValid(year, month, day)) return yearOnly;
    return QStringLiteral("%1-%2-%3").arg(yearOnly).arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
}

std::optional<QString> Told(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

}  // namespace

std::optional<TComicInfo> ReadComicInfo(const QByteArray& xml)
{
    if (xml.size() > MaxComicInfoBytes) return std::nullopt;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name().compare(u"ComicInfo", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // By element name in lower case, as writers differ; the first of a name counts.
    std::map<QString, QString> values;
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString().toLower();
        // Elements of elements (Pages) tell nothing here.
        values.emplace(name, reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
    }
    while (!reader.atEnd()) reader.readNext();
    // A damaged file may hold anything up to where it breaks: none of it is taken, and the
    // comic is made without it.
    if (reader.hasError()) return std::nullopt;

    const auto value = [&values](const char* name) {
        const auto found = values.find(QLatin1String(name));
        return found == values.end() ? QString() : found->second;
    };
    const auto line = [&value](const char* name) { return value(name).simplified(); };
    TComicInfo info;
    TToldFields& told = info.Description;
    const QString series = line("series"), number = line("number");
    const QString seriesAndNumber = number.isEmpty() || series.isEmpty() ? series : series + u' ' + number;
    told[TWolfDescription::Title] = Told(line("title").isEmpty() ? seriesAndNumber : line("title"));
    told[TWolfDescription::Author] = Told(line("writer"));
    told[TWolfDescription::Translator] = Told(line("translator"));
    told[TWolfDescription::Publisher] = Told(line("publisher"));
    told[TWolfDescription::PublishTime] = PublishTime(line("year"), line("month"), line("day"));
    told[TWolfDescription::ISBN] = IsbnOf(line("gtin"));
    told[TWolfDescription::Introduction] = Told(value("summary"));
    // The genres say what the book is about; without them the series says more than nothing.
    told[TWolfDescription::Subject] = Told(line("genre").isEmpty() ? series : line("genre"));
    info.RightToLeft = line("manga").compare(QLatin1String("YesAndRightToLeft"), Qt::CaseInsensitive) == 0;
    return info;
}

bool IsComicInfoPath(const QString& entryPath)
{
    QString path = entryPath;
    if (path.startsWith(QLatin1String("./"))) path.remove(0, 2);
    return path.compare(QLatin1String("ComicInfo.xml"), Qt::CaseInsensitive) == 0;
}

}  // namespace making
