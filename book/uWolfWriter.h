// Writes a new book, streaming: pages go to the disk as they are added, memory stays flat
// (four bytes a page for the page table).
// The book appears under its name only when Finish succeeds (temporary file beside it, sync,
// open check with the reader, rename); a destroyed, unfinished writer removes its temporary file.
// Everything the writer refuses (pixels off the decoder's levels, sizes and counts the format
// cannot hold, texts that would read back differently) raises EWolf and writes nothing of it.
#pragma once

#include "BookFiles.h"
#include "PageDecoder.h"
#include "uWolfDefs.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wolf {

// An image page in its stored form: rows packed to 1 or 2 bits, then LZSS or raw, whichever
// is smaller.
struct TEncodedImage {
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t BitCount = 0;
    bool Compact = false;
    std::string Data;
};

class TWolfWriter {
public:
    // replaceExisting=false: an existing file at path makes Finish (or the constructor) fail with
    // an EWolf naming the path; true: it is replaced safely (only once the new book is complete).
    TWolfWriter(const std::string& path, const TWolfDescription& description, bool replaceExisting,
                TBookFileSystem& files = SystemFileSystem());
    ~TWolfWriter();
    TWolfWriter(const TWolfWriter&) = delete;
    TWolfWriter& operator=(const TWolfWriter&) = delete;

    // Optional; must come before the first page. Pixels already reduced to the levels the decoder
    // shows: bits 2 -> only 0, 128, 192, 255; bits 1 -> only 0, 255 (anything else: EWolf).
    void SetCover(const TGreyImage& cover, int bits);
    // Packs rows to 1 or 2 bits, then LZSS or raw, whichever is smaller.
    void AddImagePage(const TGreyImage& page, int bits);
    // Bytes in the book's encoding; the writer applies the entities the reader replaces.
    void AddTextPage(const std::string& text);
    int PageCount() const;
    // TOC items' PageIndex are 0-based indexes of pages added (-1: no page); up to three levels.
    void Finish(const TWolfTOCList& toc);

    // The costly part of AddImagePage and SetCover, safe to run on any thread at once: a maker
    // encodes pages in parallel and adds them in order.
    static TEncodedImage EncodeImage(const TGreyImage& image, int bits);
    void AddEncodedPage(const TEncodedImage& page);
    void SetEncodedCover(const TEncodedImage& cover);

private:
    void CheckWritable() const;
    void WritePage(const std::string& head, const std::string& data, const std::string& tail);
    void WriteRecord(const std::string& head, const std::string& data, const std::string& tail);
    void WriteTail(const TWolfTOCList& toc);

    TBookFileSystem& FFiles;
    std::string FPath;
    std::string FTempPath;
    bool FReplaceExisting;
    std::unique_ptr<TNewFile> FFile;
    std::string FBookTitle;
    uint16_t FDescriptionLength = 0;
    uint32_t FCoverLength = 0;
    uint64_t FPosition = 0;
    std::vector<uint32_t> FPageOffsets;
    bool FBroken = false;  // a write failed half-way: the file is no book
    bool FFinished = false;
};

}  // namespace wolf
