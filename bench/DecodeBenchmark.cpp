// One drawn 600 by 800 page, 2 bits a pixel and LZSS-packed, decoded from a file the way
// the viewer does it, beside Qt's decoding of the same page stored as an 8-bit grey PNG.
#include "Lzss.h"
#include "PagePicture.h"
#include "SampleArt.h"
#include "WolfStream.h"
#include "uWolfReader.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A file holding the packed page behind a few bytes of padding, and the page item that
// points at it the way the cover's item does (data position known, no tag to read).
struct TPackedPageFile {
    static constexpr uint32_t RecordOffset = 16;
    static constexpr uint32_t HeadSize = 10;

    TPackedPageFile()
    {
        const std::string packed = wolf::lzss::Pack(sampleart::PackPixels(sampleart::DrawChapterPage(1), 2));
        File.open();
        File.write(QByteArray(RecordOffset + HeadSize, '\0'));
        File.write(packed.data(), static_cast<qint64>(packed.size()));
        File.flush();
        Page.Width = sampleart::PageWidth;
        Page.Height = sampleart::PageHeight;
        Page.BitCount = 2;
        Page.Compact = true;
        Page.Offset = RecordOffset;
        Page.DataOffset = RecordOffset + HeadSize;
        Page.DataLength = static_cast<uint32_t>(packed.size());
        Stream = std::make_unique<wolf::TFileStream>(File.fileName().toStdString(), wolf::TFileStream::TMode::OpenRead);
    }

    wolf::TGreyImage Decode()
    {
        wolf::TGreyImage image;
        Reader.DecodePage(*Stream, Page, image);
        return image;
    }

    QTemporaryFile File;
    std::unique_ptr<wolf::TFileStream> Stream;
    wolf::TWolfReader Reader;
    wolf::TWolfPageItem Page;
};

TPackedPageFile& PackedPage()
{
    static TPackedPageFile page;
    return page;
}

void BM_DecodeLzssPage(benchmark::State& state)
{
    TPackedPageFile& page = PackedPage();
    for (auto _ : state) {
        wolf::TGreyImage image = page.Decode();
        benchmark::DoNotOptimize(image.Pixels.data());
    }
    state.counters["packed_bytes"] = page.Page.DataLength;
}
BENCHMARK(BM_DecodeLzssPage)->Unit(benchmark::kMicrosecond);

// What the viewer does with a page: decode it and make the picture it shows.
void BM_DecodeLzssPageToQImage(benchmark::State& state)
{
    TPackedPageFile& page = PackedPage();
    for (auto _ : state) {
        QImage picture = pagepicture::ToQImage(page.Decode());
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_DecodeLzssPageToQImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeGreyPng(benchmark::State& state)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pagepicture::ToQImage(PackedPage().Decode()).save(&buffer, "PNG");
    for (auto _ : state) {
        QImage picture;
        picture.loadFromData(png, "PNG");
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["png_bytes"] = static_cast<double>(png.size());
}
BENCHMARK(BM_DecodeGreyPng)->Unit(benchmark::kMicrosecond);

}  // namespace
