// Made-up books for the tests above the book library.
#pragma once

#include "uWolfBuilder.h"

#include <QString>
#include <string>

namespace testbooks {

// Raw 2-bit page data, every pixel the given 2-bit value (0 black ... 3 white).
std::string Plain2Bit(int width, int height, int value);
// The grey level at (x, y) of a pattern page, whose pixel (x, y) has the 2-bit value
// (x + 2 * y) % 4, so that corners differ.
int PatternGrey(int x, int y);

wolf::TWolfBookBuilder BookWithPages(int pageCount, bool cover);
// One raw 2-bit pattern page.
wolf::TWolfBookBuilder PatternBook(int width, int height);
// "Tale" by Ann: a cover, six pages, chapters One (two entries), Two (three), Three.
wolf::TWolfBookBuilder ThreeChapterBook();

// The whole file; empty when it cannot be read.
std::string ReadAll(const QString& path);
// A new file holding bytes; returns its path.
QString WriteAll(const QString& path, const std::string& bytes);

}  // namespace testbooks
