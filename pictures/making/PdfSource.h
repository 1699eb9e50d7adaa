// PDF files as pages drawn at the size the screen needs, with their outline as headings and
// their document information for the description.
#pragma once

#include "ProcessOptions.h"
#include "SourcePage.h"

#include <QSizeF>

#include <QString>
#include <limits>
#include <optional>
#include <vector>

namespace making {

bool IsPdfName(const QString& path);

// Pages of a PDF to take, counted from 1, both ends included.
struct TPageRange {
    int First = 1;
    int Last = std::numeric_limits<int>::max();
};

// "3-120", "7", "3-" or "-120"; nullopt for anything else.
std::optional<TPageRange> ParsePageRange(const QString& text);

// The range's pages of the PDF, each drawn anti-aliased to fit the screen, its outline's
// entries as the headings of the pages they name. EMakeFailure for a damaged PDF, one that
// needs a password, or a range outside the document. A page that cannot be drawn is listed
// all the same; it becomes a page saying so.
void AddPdfPages(const QString& path, const QStringList& chapters, TPageRange range, std::vector<TSourcePage>& pages);

// The document information a description is filled from; the subject holds the keywords
// too, after a semicolon, as the book's description has no field of their own.
struct TPdfDescription {
    QString Title;
    QString Author;
    QString Subject;
};
TPdfDescription ReadPdfDescription(const QString& path);

// Pixels per point that fit a page of that size in points to the screen, allowing for a
// landscape page that is split or turned.
double PdfRenderScale(QSizeF points, const TProcessOptions& options);

}  // namespace making
