// Rewriting the description of a 200 MB book, next to a plain copy of the same file:
// the rewrite streams the book and should cost little more than copying it. And writing
// the largest table of contents, whose record links must not take quadratic time.
#include "SafeSave.h"
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReplacer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace wolf;

namespace {

constexpr size_t BookSize = 200u * 1024 * 1024;

// Made once per run in a temporary folder, removed at exit.
class TLargeBook {
public:
    TLargeBook() : FFolder(fs::temp_directory_path() / "karavel_bench_rewrite")
    {
        fs::create_directories(FFolder);
        TWolfBookBuilder builder;
        builder.Description = "<title>Large\r\n";
        for (int i = 0; i < 4; ++i) builder.AddTextPage("Page " + std::to_string(i));
        builder.AddTaggedPage("img width=8 height=8 bitcount=1 compact=0 length=8", std::string(BookSize, '\x5A'));
        builder.Catalog = {{"One", 0}, {"Two", 2}};
        std::ofstream(Path(), std::ios::binary | std::ios::trunc) << builder.Build();
    }
    ~TLargeBook() { fs::remove_all(FFolder); }

    std::string Path() const { return (FFolder / "large.wol").string(); }
    std::string OutputPath() const { return (FFolder / "out.wol").string(); }

private:
    fs::path FFolder;
};

const TLargeBook& LargeBook()
{
    static const TLargeBook book;
    return book;
}

void PlainCopy(benchmark::State& state)
{
    const TLargeBook& book = LargeBook();
    for (auto _ : state) fs::copy_file(book.Path(), book.OutputPath(), fs::copy_options::overwrite_existing);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(book.Path())));
}

void RewriteDescription(benchmark::State& state)
{
    const TLargeBook& book = LargeBook();
    TWolfDescription description;
    description.SetField(0, "A longer title than before");
    for (auto _ : state) {
        TFileStream source(book.Path(), TFileStream::TMode::OpenRead);
        TFileStream destination(book.OutputPath(), TFileStream::TMode::Create);
        ReplaceDescription(source, destination, description);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(book.Path())));
}

// The whole save as a user gets it: backup link, rewrite, sync, check, rename.
void SaveSafely(benchmark::State& state)
{
    const TLargeBook& book = LargeBook();
    const std::string copy = book.OutputPath();
    fs::copy_file(book.Path(), copy, fs::copy_options::overwrite_existing);
    TWolfDescription description;
    description.SetField(0, "Saved");
    for (auto _ : state)
        SaveBookSafely(
            copy, [&](TStream& source, TStream& destination) { ReplaceDescription(source, destination, description); });
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(book.Path())));
}

// The largest table of contents a book can number: 255 chapters of 255 sections each.
void RewriteFullTOC(benchmark::State& state)
{
    TWolfBookBuilder builder;
    builder.AddTextPage("A page of text");
    const std::string book = builder.Build();
    TWolfTOCList toc;
    for (int chapter = 1; chapter <= 255; ++chapter) {
        toc.AddItem(static_cast<uint8_t>(chapter), 0, 0, "Chapter", 0);
        for (int section = 1; section <= 255; ++section)
            toc.AddItem(static_cast<uint8_t>(chapter), static_cast<uint8_t>(section), 0, "Section", 0);
    }
    TWolfPageList pages;
    pages.AddPageAt(builder.PageOffset(0));
    for (auto _ : state) {
        TMemoryStream source(book), destination;
        ReplaceTOC(source, destination, pages, toc);
        benchmark::DoNotOptimize(destination.Data().data());
    }
}

}  // namespace

BENCHMARK(RewriteFullTOC)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(RewriteDescription)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(SaveSafely)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
