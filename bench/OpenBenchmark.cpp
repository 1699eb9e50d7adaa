// Opening a book of 10,000 image pages from a file: header, description, page table,
// every page's tag and the catalog. The argument is the bytes of image data a page:
// tiny pages measure the parsing, pages of a drawn page's packed size add the reading.
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <QFile>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int PageCount = 10000;

std::unique_ptr<QTemporaryFile> WriteBook(int dataBytes)
{
    wolf::TWolfBookBuilder builder;
    wolf::TWolfDescription description;
    description.SetField(0, "Ten thousand pages");
    builder.Description = description.ToText();
    // Raw 2-bit rows of 150 bytes: a 600-pixel-wide strip as tall as the data allows.
    const int height = std::max(1, dataBytes / 150);
    const std::string data(static_cast<size_t>(height) * 150, '\xFF');
    for (int i = 0; i < PageCount; ++i) {
        const int page = builder.AddImagePage(600, height, 2, false, data);
        if (i % 100 == 0) builder.Catalog.push_back({"Chapter " + std::to_string(i / 100 + 1), page});
    }
    auto file = std::make_unique<QTemporaryFile>();
    const std::string book = builder.Build();
    if (!file->open() || file->write(book.data(), static_cast<qint64>(book.size())) != static_cast<qint64>(book.size()))
        return nullptr;
    file->flush();
    return file;
}

void BM_OpenTenThousandPages(benchmark::State& state)
{
    static std::map<int64_t, std::unique_ptr<QTemporaryFile>> books;
    auto& book = books[state.range(0)];
    if (!book) book = WriteBook(static_cast<int>(state.range(0)));
    if (!book) {
        state.SkipWithError("cannot write the book");
        return;
    }
    const std::string path = QFile::encodeName(book->fileName()).toStdString();
    for (auto _ : state) {
        wolf::TFileStream stream(path, wolf::TFileStream::TMode::OpenRead);
        wolf::TWolfReader reader;
        reader.Open(stream);
        benchmark::DoNotOptimize(reader.Pages.Count());
    }
    state.counters["file_mb"] = static_cast<double>(book->size()) / (1024 * 1024);
}
BENCHMARK(BM_OpenTenThousandPages)->Arg(150)->Arg(24 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace
