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
    for (qsizetype depth = same; depth < levels.size(); ++depth)
        if (!AddEntry(depth, levels[depth], pageIndex)) return;
}

void TChapterContents::AddHeading(int levelBelowChapters, const QString& title, int pageIndex)
{
    qsizetype depth = FCurrent.size() + levelBelowChapters - 1;
    if (levelBelowChapters < 1 || depth >= 3) return;
    // An entry whose parent was never listed (it names a later page) moves up to a level that has one.
    while (depth > FCurrent.size() && FNumbers[depth - 1] == 0) --depth;
    AddEntry(depth, title, pageIndex);
}

bool TChapterContents::AddEntry(qsizetype depth, const QString& title, int pageIndex)
{
    // A key holds numbers up to 255 per level; later entries of a crowded level go unlisted.
    if (FNumbers[depth] == 255) return false;
    ++FNumbers[depth];
    std::fill(std::begin(FNumbers) + depth + 1, std::end(FNumbers), 0);
    const auto number = [&](qsizetype d) { return static_cast<uint8_t>(d <= depth ? FNumbers[d] : 0); };
    FContents.AddItem(number(0), number(1), number(2), FEncodeTitle(title), pageIndex);
    return true;
}

}  // namespace making
