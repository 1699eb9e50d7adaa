// An EPUB's own table of contents as headings of the flow: EPUB 3's navigation document (its
// nav of epub:type "toc") or EPUB 2's NCX (its navMap). Entries name their places by the flow's
// anchor keys. A damaged one gives the entries before the fault: the book's text does not
// depend on it.
#pragma once

#include "BookFlow.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace making {

std::vector<TFlowHeading> NavHeadings(const QByteArray& nav, const QString& navPath, const QString& book);

std::vector<TFlowHeading> NcxHeadings(const QByteArray& ncx, const QString& ncxPath);

}  // namespace making
