#include "SampleBook.h"

#include "SampleArt.h"
#include "uWolfWriter.h"

namespace sampleart {
namespace {

// Captain's log entries, with the characters a text page stores as entities.
const char* const LogPage =
    "From the Captain's Log\r\n"
    "\r\n"
    "Day 12. Wind > 30 knots from the north-west; barometer < 990 and falling.\r\n"
    "The cook says \"no soup in this weather\". Bread & cheese for all hands.\r\n"
    "Day 13. Fog. We ring the bell every two minutes & keep a sharp watch.\r\n"
    "Day 14. Clear skies. Saw the Pole Star at midnight.\r\n";

wolf::TWolfDescription Description()
{
    using enum wolf::TWolfDescription::TField;
    wolf::TWolfDescription description;
    description.SetField(Title, BookTitle);
    description.SetField(Subject, "Sea stories");
    description.SetField(Author, "Karavel Project");
    description.SetField(Publisher, "Karavel Sample Press");
    description.SetField(PublishTime, "2026-12-08");
    description.SetField(Introduction,
                         "A short log of a small ship's voyage, drawn and written to show\r\n"
                         "what a Wolf book can hold: a cover, drawn pages, a text page\r\n"
                         "and a table of contents in three levels.");
    description.SetField(ISBN, "000-0-00000-000-0");
    return description;
}

}  // namespace

void WriteSampleBook(const std::string& path)
{
    wolf::TWolfWriter writer(path, Description(), true);
    writer.SetCover(ToLevels(DrawCover(), 1), 1);
    // Pages: drawn chapter 1, drawn chapter 2, the log, drawn chapter 3.
    writer.AddImagePage(ToLevels(DrawChapterPage(0), 2), 2);
    writer.AddImagePage(ToLevels(DrawChapterPage(1), 2), 2);
    writer.AddTextPage(LogPage);
    writer.AddImagePage(ToLevels(DrawChapterPage(2), 2), 2);
    // Chapter n opens on drawn page n; the log belongs to the second chapter.
    const int chapterPages[ChapterCount] = {0, 1, 3};
    constexpr int Log = 2;

    wolf::TWolfTOCList toc;
    for (int c = 0; c < ChapterCount; ++c) {
        const auto n1 = static_cast<uint8_t>(c + 1);
        const TChapter& chapter = Chapter(c);
        toc.AddItem(n1, 0, 0, chapter.Title, chapterPages[c]);
        for (uint8_t s = 1; s <= 2; ++s) toc.AddItem(n1, s, 0, chapter.Sections[s - 1], chapterPages[c]);
    }
    toc.AddItem(2, 2, 1, "From the Captain's Log", Log);
    toc.AddItem(2, 2, 2, "Day Fourteen", Log);
    writer.Finish(toc);
}

}  // namespace sampleart
