#include "ContentsFromChapters.h"

#include <algorithm>

namespace making {

TChapterContents::TChapterContents(std::function<std::string(const QString&)> encodeTitle)
    : FEncodeTitle(std::move(encodeTitle))
{
}

void TChapterContents::Enter(const QStringList& chapters, int pageIndex)
{
    const QStringList levels = chapters.mid(0, 3);
    qsizetype same = 0;
    while (same < levels.size() && same < FCurrent.size() && levels[same] == FCurrent[same]) ++same;
    FCurrent = levels;
    for (qsizetype depth = same; depth < levels.size(); ++depth) {
        // A key holds numbers up to 255 per level; later folders of a crowded level go unlisted.
        if (FNumbers[depth] == 255) return;
        ++FNumbers[depth];
        std::fill(std::begin(FNumbers) + depth + 1, std::end(FNumbers), 0);
        const auto number = [&](qsizetype d) { return static_cast<uint8_t>(d <= depth ? FNumbers[d] : 0); };
        FContents.AddItem(number(0), number(1), number(2), FEncodeTitle(levels[depth]), pageIndex);
    }
}

}  // namespace making
