// book_save_loop BOOK: saves the book over and over until it is killed, for the killed-save
// test on Windows. Writes one byte to standard output when it begins.
#include "Rewrites.h"

#include <windows.h>

#include <cstdio>

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 2) return 2;
    const int n = WideCharToMultiByte(CP_UTF8, 0, arguments[1], -1, nullptr, 0, nullptr, nullptr);
    std::string book(size_t(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, arguments[1], -1, book.data(), n, nullptr, nullptr);
    std::fputc('s', stdout);
    std::fflush(stdout);
    try {
        rewrites::SaveForever(book);
    } catch (...) {
        return 1;
    }
}
