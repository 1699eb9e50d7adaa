// Imports any bytes as a catalog text; what imports must export and import again to the
// same entries.
#include "FuzzChecks.h"
#include "uCatalogText.h"
#include "uWolfReader.h"

#include <string>
#include <vector>

namespace {
const std::string Divider = "... ...";

// A title that ends in part of the divider is cut there on the next import; that is the
// format's own ambiguity, not a fault.
bool SurvivesExport(const std::string& title)
{
    return (title + Divider).find(Divider) == title.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace wolf;
    TWolfTOCList toc;
    try {
        CatalogTextToTOC(SplitLines(std::string(reinterpret_cast<const char*>(data), size)), toc);
    } catch (const EWolf&) {
        return 0;
    }
    const TWolfTOCList imported = toc;
    std::vector<std::string> lines;
    TOCToCatalogText(toc, lines);
    FUZZ_CHECK(lines.size() == static_cast<size_t>(imported.Count()));

    TWolfTOCList again;
    CatalogTextToTOC(lines, again);  // an export always imports
    FUZZ_CHECK(again.Count() == imported.Count());
    for (int i = 0; i < again.Count(); ++i) {
        FUZZ_CHECK(again[i].Key() == imported[i].Key());
        if (!SurvivesExport(imported[i].Title())) continue;
        FUZZ_CHECK(Trim(again[i].Title()) == Trim(imported[i].Title()));
        FUZZ_CHECK(again[i].PageIndex == imported[i].PageIndex);
    }
    return 0;
}
