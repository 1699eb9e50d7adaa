// Parses any bytes as a description block and checks what the rewriter relies on:
// Size is the length of ToText, setting a field twice changes nothing, and the text
// parses back to the same fields.
#include "FuzzChecks.h"
#include "uWolfDefs.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace wolf;
    TWolfDescription description;
    description.FromText(std::string(reinterpret_cast<const char*>(data), size));
    if (description.Size != 0) FUZZ_CHECK(static_cast<size_t>(description.Size) == description.ToText().size());
    description.RecalcSize();
    const std::string text = description.ToText();
    FUZZ_CHECK(static_cast<size_t>(description.Size) == text.size());

    for (int i = 0; i < TWolfDescription::FieldCount; ++i) {
        const std::string value = description.GetField(i);
        FUZZ_CHECK(value.size() <= static_cast<size_t>(TWolfDescription::Limits[i]));
        description.SetField(i, value);
        FUZZ_CHECK(description.GetField(i) == value);
    }
    FUZZ_CHECK(description.ToText() == text);

    TWolfDescription reparsed;
    reparsed.FromText(text);
    for (int i = 0; i < TWolfDescription::FieldCount; ++i) FUZZ_CHECK(reparsed.GetField(i) == description.GetField(i));

    TWolfDescription copy;
    copy.Assign(description);
    FUZZ_CHECK(copy.Size == description.Size && copy.ToText() == text);

    // Setting a field from arbitrary bytes twice gives what setting it once gave.
    const int field = size > 0 ? data[0] % TWolfDescription::FieldCount : 0;
    const std::string raw(reinterpret_cast<const char*>(data), size);
    description.SetField(field, raw);
    const std::string once = description.ToText();
    const int32_t onceSize = description.Size;
    description.SetField(field, raw);
    FUZZ_CHECK(description.ToText() == once && description.Size == onceSize);
    FUZZ_CHECK(static_cast<size_t>(description.Size) == once.size());
    return 0;
}
