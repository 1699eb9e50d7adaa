// Opens any bytes as a book and shows the cover and every page.
#include "BookViewing.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace wolf;
    TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TWolfReader reader;
    try {
        reader.Open(stream);
    } catch (const EWolf&) {
        return 0;
    } catch (const EStreamError&) {
        return 0;
    }
    fuzz::CheckOpenedModel(reader);
    fuzz::ShowEveryPage(reader, stream);
    return 0;
}
