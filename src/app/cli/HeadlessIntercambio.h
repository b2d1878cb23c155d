// Headless commands that bring charts in from other programs' files and take a folder out.
#pragma once
#include "app/cli/Headless.h"

namespace natalis {

// natalis --importar ARCHIVO [--folder CARPETA]: each chart of the file written as a new
// chart file of the chart folder. One line per chart on out (the file written, or why the
// chart was refused, with its warnings), then the summary. Exit 0 when every chart came in,
// 1 when some were refused, 2 when the file or the folder could not be used.
int HeadlessImportar(const Args& args, std::ostream& out, std::ostream& err);

// natalis --exportar aaf|csv SALIDA [--folder CARPETA] [--puntos SOL,LUN,...] [--houses P|K|R]:
// every chart of the folder in one file, written whole (a failure leaves no part of it).
// Charts left out are named on err. Exit 0, or 2 with nothing written.
int HeadlessExportar(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
