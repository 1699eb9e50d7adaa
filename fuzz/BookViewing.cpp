#include "BookViewing.h"

#include "FuzzChecks.h"

#include <string>
#include <vector>

namespace wolf::fuzz {

namespace {
void ShowPage(TWolfReader& reader, TStream& stream, TWolfPageItem& page)
{
    if (!page.IsValid()) return;
    try {
        if (page.IsText()) {
            std::vector<std::string> lines;
            reader.ReadTextPage(stream, page, lines);
            for (const auto& line : lines)
                FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        } else {
            TGreyImage image;
            reader.DecodePage(stream, page, image);
            FUZZ_CHECK(image.Width > 0 && image.Height > 0);
            FUZZ_CHECK(image.Width <= MaxPageSide && image.Height <= MaxPageSide);
            FUZZ_CHECK(image.Pixels.size() == static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height));
            for (uint8_t grey : image.Pixels) FUZZ_CHECK(grey == 0 || grey == 128 || grey == 192 || grey == 255);
        }
    } catch (const EWolf&) {
    } catch (const EStreamError&) {
    }
}
}  // namespace

void ShowEveryPage(TWolfReader& reader, TStream& stream)
{
    ShowPage(reader, stream, reader.Cover);
    for (int i = 0; i < reader.Pages.Count(); ++i) ShowPage(reader, stream, reader.Pages[i]);
}

void CheckOpenedModel(const TWolfReader& reader)
{
    for (int i = 0; i < reader.TOC.Count(); ++i) {
        const TWolfTOCItem& item = reader.TOC[i];
        FUZZ_CHECK(item.PageIndex >= -1 && item.PageIndex < reader.Pages.Count());
        FUZZ_CHECK(item.Title().size() <= TWolfTOCItem::MaxTitle);
        if (i > 0) FUZZ_CHECK(reader.TOC[i - 1].Key() <= item.Key());
    }
    FUZZ_CHECK(reader.Description.Size >= 0 && reader.Description.Size < 65536);
}

}  // namespace wolf::fuzz
