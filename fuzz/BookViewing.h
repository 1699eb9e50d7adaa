// Opens a book and shows every page the way the viewer does, checking what it gets.
#pragma once

#include "WolfStream.h"
#include "uWolfReader.h"

namespace wolf::fuzz {

// Shows the cover and every page; failures the viewer would show as a page that is not
// valid are caught, anything else escapes.
void ShowEveryPage(TWolfReader& reader, TStream& stream);
// Checks what a successful open promises about the model.
void CheckOpenedModel(const TWolfReader& reader);

}  // namespace wolf::fuzz
