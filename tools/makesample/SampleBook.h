// The sample book, written from the drawn pages.
#pragma once

#include <string>

namespace sampleart {

inline constexpr const char* BookTitle = "The Voyage of the Karavel";

// Writes the book safely to path, replacing a book there. Needs a QGuiApplication for the drawing.
void WriteSampleBook(const std::string& path);

}  // namespace sampleart
