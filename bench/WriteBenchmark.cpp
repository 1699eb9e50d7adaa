// The writer's cost per page, beside a plain file write of the same bytes: drawn 600 by 800
// pages, reduced to four grey levels, packed and streamed into a book that is then checked
// and renamed into place.
#include "Lzss.h"
#include "SampleArt.h"
#include "WolfStream.h"
#include "uWolfWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int PagesPerBook = 40;

const std::vector<wolf::TGreyImage>& Pages()
{
    static const std::vector<wolf::TGreyImage> pages = [] {
        std::vector<wolf::TGreyImage> drawn;
        for (int chapter = 0; chapter < sampleart::ChapterCount; ++chapter)
            drawn.push_back(sampleart::ToLevels(sampleart::DrawChapterPage(chapter), 2));
        return drawn;
    }();
    return pages;
}

std::string BookPath(const QTemporaryDir& folder)
{
    return folder.filePath(QStringLiteral("book.wol")).toStdString();
}

void BM_PackPage(benchmark::State& state)
{
    const std::string rows = wolf::PackRows(Pages()[1], 2);
    std::string packed;
    for (auto _ : state) {
        packed = wolf::lzss::Pack(rows);
        benchmark::DoNotOptimize(packed.data());
    }
    state.counters["raw_bytes"] = static_cast<double>(rows.size());
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
}
BENCHMARK(BM_PackPage)->Unit(benchmark::kMicrosecond);

void BM_WriteBook(benchmark::State& state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        wolf::TWolfWriter writer(BookPath(folder), wolf::TWolfDescription(), true);
        for (int i = 0; i < PagesPerBook; ++i) writer.AddImagePage(Pages()[static_cast<size_t>(i) % Pages().size()], 2);
        writer.Finish({});
    }
    state.SetItemsProcessed(state.iterations() * PagesPerBook);
}
BENCHMARK(BM_WriteBook)->Unit(benchmark::kMillisecond);

// The same pages already encoded, written with a plain file stream and synced once: what
// writing the bytes costs without the writer's packing, checking and renaming.
void BM_PlainFileWriteOfTheSameBytes(benchmark::State& state)
{
    std::vector<std::string> encoded;
    for (const wolf::TGreyImage& page : Pages()) encoded.push_back(wolf::TWolfWriter::EncodeImage(page, 2).Data);
    QTemporaryDir folder;
    const std::string path = BookPath(folder);
    for (auto _ : state) {
        std::remove(path.c_str());
        wolf::TFileStream file(path, wolf::TFileStream::TMode::Create);
        for (int i = 0; i < PagesPerBook; ++i) file.WriteText(encoded[static_cast<size_t>(i) % encoded.size()]);
        file.Sync();
    }
    state.SetItemsProcessed(state.iterations() * PagesPerBook);
}
BENCHMARK(BM_PlainFileWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
