// The sample book, composed in memory from the drawn pages.
#pragma once

#include <string>

namespace sampleart {

inline constexpr const char* BookTitle = "The Voyage of the Karavel";

// The complete book file. Needs a QGuiApplication for the drawing.
std::string MakeSampleBook();

}  // namespace sampleart
