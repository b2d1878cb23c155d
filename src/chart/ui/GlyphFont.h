// Registration of the glyph font "OrreryAstro" for this process: the file ORRASTRO.TTF of
// the given folder or of the program's data folder, or the copy built into the program when
// that file is missing or cannot be read.
#pragma once
#include <QString>

namespace natalis {

// Registers the font and returns its id for UnregisterGlyphFont (-1 when neither the file
// nor the built-in copy could be registered; glyphs then fall back to another face).
int RegisterGlyphFont(const QString& folder);
void UnregisterGlyphFont(int id);

}  // namespace natalis
