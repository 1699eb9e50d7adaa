// Drawn pages of the sample book "The Voyage of the Karavel", and their packing into
// Wolf image data. Shared by the sample generator and the reading benchmarks.
#pragma once

#include "PageDecoder.h"

#include <QImage>
#include <QString>
#include <string>

namespace sampleart {

constexpr int PageWidth = 600;
constexpr int PageHeight = 800;
constexpr int ChapterCount = 3;

struct TChapter {
    const char* Title;
    const char* Sections[2];
};
const TChapter& Chapter(int index);  // 0 to ChapterCount - 1

// A page of the chapter, text and figures, in Format_Grayscale8. Drawing text needs a
// QGuiApplication.
QImage DrawChapterPage(int chapter);
QImage DrawCover();

// The picture reduced to the grey levels a page of 1 or 2 bits shows. 2 bits: the nearest of
// black, dark grey, light grey, white. 1 bit: black for every pixel darker than middle grey.
wolf::TGreyImage ToLevels(const QImage& grey, int bitCount);

// Rows of 1 or 2 bits a pixel, leftmost pixel in the most significant bits, each row
// padded to a whole byte. 2 bits: the nearest of black, dark grey, light grey, white.
// 1 bit: a set bit for every pixel darker than middle grey.
std::string PackPixels(const QImage& grey, int bitCount);

}  // namespace sampleart
