// A table of contents made from the folders the pages came from: one entry per folder,
// pointing at its first page, nested as the folders are (three levels at most), with the
// sources' own contents below them.
#pragma once

#include "uWolfDefs.h"

#include <QStringList>
#include <functional>
#include <string>

namespace making {

class TChapterContents {
public:
    // encodeTitle turns a folder's name into the book's bytes.
    explicit TChapterContents(std::function<std::string(const QString&)> encodeTitle);

    // The next page, of the given index, lies in these folders.
    void Enter(const QStringList& chapters, int pageIndex);
    // An entry of the source's own contents at that page, nested below the page's folders;
    // entries deeper than three levels fold into their level-3 ancestor.
    void AddHeading(int levelBelowChapters, const QString& title, int pageIndex);
    const wolf::TWolfTOCList& Contents() const { return FContents; }

private:
    // Numbers the next entry at depth (0-based); false when that level is full.
    bool AddEntry(qsizetype depth, const QString& title, int pageIndex);

    std::function<std::string(const QString&)> FEncodeTitle;
    wolf::TWolfTOCList FContents;
    QStringList FCurrent;
    int FNumbers[3] = {0, 0, 0};
};

}  // namespace making
