// A table of contents made from the folders the pages came from: one entry per folder,
// pointing at its first page, nested as the folders are (three levels at most).
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
    const wolf::TWolfTOCList& Contents() const { return FContents; }

private:
    std::function<std::string(const QString&)> FEncodeTitle;
    wolf::TWolfTOCList FContents;
    QStringList FCurrent;
    int FNumbers[3] = {0, 0, 0};
};

}  // namespace making
