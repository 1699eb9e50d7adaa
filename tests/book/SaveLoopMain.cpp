// book_save_loop BOOK: saves the book over and over until it is killed, for the killed-save
// test on Windows. Writes one byte to standard output when it begins.
#include "Rewrites.h"
#include "TestFiles.h"

#include <windows.h>

#include <cstdio>

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 2) return 2;
    const std::string book = testfiles::Utf8(arguments[1]);
    std::fputc('s', stdout);
    std::fflush(stdout);
    try {
        rewrites::SaveForever(book);
    } catch (...) {
        return 1;
    }
}
