// Libraries that turn names into text through the C library's locale (libarchive's entry
// names) lose every character the locale's character set lacks: in the "C" locale, every
// non-ASCII character. For as long as this lives, the calling thread's character set is
// UTF-8, whatever the process's locale; other threads are not touched.
#pragma once

namespace platform {

class TUtf8ThreadLocale {
public:
    TUtf8ThreadLocale();
    ~TUtf8ThreadLocale();
    TUtf8ThreadLocale(const TUtf8ThreadLocale&) = delete;
    TUtf8ThreadLocale& operator=(const TUtf8ThreadLocale&) = delete;

private:
    void* FPrevious = nullptr;
};

}  // namespace platform
