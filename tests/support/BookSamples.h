// Made-up books for the tests above the book library.
#pragma once

#include "uWolfBuilder.h"

#include <QString>
#include <string>

namespace testbooks {

// Raw 2-bit page data, every pixel the given 2-bit value (0 black ... 3 white).
std::string Plain2Bit(int width, int height, int value);
// A 2-bit page whose pixel (x, y) has the value (x + 2 * y) % 4, so corners differ.
std::string Pattern2Bit(int width, int height);
// The grey level the pattern gives at (x, y).
int PatternGrey(int x, int y);

wolf::TWolfBookBuilder BookWithPages(int pageCount, bool cover);
// "Tale" by Ann: a cover, six pages, chapters One (two entries), Two (three), Three.
wolf::TWolfBookBuilder ThreeChapterBook();

// The whole file; empty when it cannot be read.
std::string ReadAll(const QString& path);
// A new file holding bytes; returns its path.
QString WriteAll(const QString& path, const std::string& bytes);

}  // namespace testbooks
