#include "SampleBook.h"

#include "Lzss.h"
#include "SampleArt.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

namespace sampleart {
namespace {

// Captain's log entries: written with the format's entities, as a text page stores them.
const char* const LogPage =
    "From the Captain&squot;s Log\r\n"
    "\r\n"
    "Day 12. Wind &gt; 30 knots from the north-west; barometer &lt; 990 and falling.\r\n"
    "The cook says &quot;no soup in this weather&quot;. Bread &amp; cheese for all hands.\r\n"
    "Day 13. Fog. We ring the bell every two minutes & keep a sharp watch.\r\n"
    "Day 14. Clear skies. Saw the Pole Star at midnight.\r\n";

std::string DescriptionBlock()
{
    wolf::TWolfDescription description;
    description.SetField(0, BookTitle);
    description.SetField(1, "Sea stories");
    description.SetField(2, "Karavel Project");
    description.SetField(5, "Karavel Sample Press");
    description.SetField(6, "2026-12-08");
    description.SetField(7, "A short log of a small ship's voyage, drawn and written to show\r\n"
                            "what a Wolf book can hold: a cover, drawn pages, a text page\r\n"
                            "and a table of contents in three levels.");
    description.SetField(8, "000-0-00000-000-0");
    return description.ToText();
}

int AddDrawnPage(wolf::TWolfBookBuilder& builder, int chapter)
{
    const std::string packed = wolf::lzss::Pack(PackPixels(DrawChapterPage(chapter), 2));
    return builder.AddImagePage(PageWidth, PageHeight, 2, true, packed);
}

}  // namespace

std::string MakeSampleBook()
{
    wolf::TWolfBookBuilder builder;
    builder.Description = DescriptionBlock();
    builder.SetCover(PageWidth, PageHeight, 1, false, PackPixels(DrawCover(), 1));

    const int pages[] = {
        AddDrawnPage(builder, 0),
        AddDrawnPage(builder, 1),
        builder.AddTextPage(LogPage),
        AddDrawnPage(builder, 2),
    };
    // Chapter n opens on drawn page n; the log belongs to the second chapter.
    const int chapterPages[ChapterCount] = {pages[0], pages[1], pages[3]};

    // Built with an empty table of contents, which the editor's code then replaces, as
    // a user's edit would.
    builder.Catalog = {{BookTitle, pages[0]}};
    wolf::TMemoryStream plainBook(builder.Build());
    wolf::TWolfReader reader;
    reader.Open(plainBook);

    wolf::TWolfTOCList toc;
    for (int c = 0; c < ChapterCount; ++c) {
        const auto n1 = static_cast<uint8_t>(c + 1);
        const TChapter& chapter = Chapter(c);
        toc.AddItem(n1, 0, 0, chapter.Title, chapterPages[c]);
        for (uint8_t s = 1; s <= 2; ++s)
            toc.AddItem(n1, s, 0, chapter.Sections[s - 1], chapterPages[c]);
    }
    toc.AddItem(2, 2, 1, "From the Captain's Log", pages[2]);
    toc.AddItem(2, 2, 2, "Day Fourteen", pages[2]);
    wolf::TMemoryStream book;
    wolf::ReplaceTOC(plainBook, book, reader.Pages, toc);
    return book.Data();
}

}  // namespace sampleart
