// Table of contents to and from catalog text: one entry a line, nesting shown by leading
// tabs, the page number after the divider "... ...".
#pragma once

#include "uWolfDefs.h"

#include <string>
#include <vector>

namespace wolf {

// Clears toc and fills it from the lines; raises EWolf naming the first bad line.
void CatalogTextToTOC(const std::vector<std::string>& lines, TWolfTOCList& toc);
// Sorts toc by key (in place) and writes one line per entry.
void TOCToCatalogText(TWolfTOCList& toc, std::vector<std::string>& lines);

// A catalog file's lines: split at CR, LF and CR LF, ending at the first NUL byte.
std::vector<std::string> ReadCatalogFile(const std::string& path);
// Creates or overwrites the file with every line followed by CR LF.
void WriteCatalogFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace wolf
