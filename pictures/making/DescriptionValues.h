// Dates, ISBNs and subjects as e-books write them, in the forms a book's description keeps.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace making {

// "2010-05-12T00:00:00Z" as "2010-05-12"; "2010-05", "May 2010" as "2010"; nullopt without a year.
std::optional<QString> PublishDate(const QString& text);

// The ISBN an identifier holds, without a "urn:isbn:" or "ISBN" prefix: when saysIsbn (its
// scheme says so) any digits, otherwise only an ISBN-10 or ISBN-13 with a valid check digit.
std::optional<QString> IsbnIn(const QString& identifier, bool saysIsbn);

// The first texts, joined with ", ", as many whole ones as fit in maxBytes of UTF-8.
std::optional<QString> FirstThatFit(const QStringList& texts, int maxBytes);

}  // namespace making
