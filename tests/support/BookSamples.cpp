#include "BookSamples.h"

#include "TestFiles.h"

namespace testbooks {

namespace {

std::string Pattern2Bit(int width, int height)
{
    const int rowBytes = (width * 2 + 7) / 8;
    std::string data(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int value = (x + 2 * y) % 4;
            data[static_cast<size_t>(y * rowBytes + x / 4)] |= static_cast<char>(value << (6 - 2 * (x % 4)));
        }
    return data;
}

}  // namespace

std::string Plain2Bit(int width, int height, int value)
{
    const int rowBytes = (width * 2 + 7) / 8;
    const auto byte = static_cast<char>(value * 0x55);
    return std::string(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), byte);
}

int PatternGrey(int x, int y)
{
    static const int levels[4] = {0, 128, 192, 255};
    return levels[(x + 2 * y) % 4];
}

wolf::TWolfBookBuilder BookWithPages(int pageCount, bool cover)
{
    wolf::TWolfBookBuilder book;
    if (cover) book.SetCover(8, 4, 2, false, Plain2Bit(8, 4, 1));
    for (int i = 0; i < pageCount; ++i) book.AddImagePage(8, 4, 2, false, Plain2Bit(8, 4, i % 4));
    return book;
}

wolf::TWolfBookBuilder PatternBook(int width, int height)
{
    wolf::TWolfBookBuilder book;
    book.AddImagePage(width, height, 2, false, Pattern2Bit(width, height));
    return book;
}

wolf::TWolfBookBuilder ThreeChapterBook()
{
    wolf::TWolfBookBuilder book = BookWithPages(6, true);
    book.Description = "<title>Tale\r\n<author>Ann\r\n";
    wolf::TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    toc.AddItem(1, 1, 0, "One a", 1);
    toc.AddItem(2, 0, 0, "Two", 2);
    toc.AddItem(2, 1, 0, "Two a", 3);
    toc.AddItem(2, 2, 0, "Two b", 4);
    toc.AddItem(3, 0, 0, "Three", 5);
    book.SetSubcatalog(toc);
    return book;
}

std::string ReadAll(const QString& path)
{
    return testfiles::ReadAll(testfiles::Utf8Path(path.toStdString()));
}

QString WriteAll(const QString& path, const std::string& bytes)
{
    testfiles::WriteAll(testfiles::Utf8Path(path.toStdString()), bytes);
    return path;
}

}  // namespace testbooks
