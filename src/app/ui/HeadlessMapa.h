// The headless time map: the period search of a chart drawn as a time map, written as an
// SVG or a PDF.
#pragma once
#include <ostream>

#include "app/cli/HeadlessOptions.h"

namespace natalis {

// natalis --mapa-tiempo FILE.dat --desde "d m aaaa" --hasta "d m aaaa" OUT.svg|OUT.pdf
//         [--orbe GRADOS] [--tecnica T] [--con-luna] [--tema papel|pantalla] [--papel a4|carta]
int HeadlessMapaTiempo(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
