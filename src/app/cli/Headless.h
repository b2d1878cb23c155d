// Headless commands: the same computations as the windows, printed without a display.
// Each takes the arguments from the command on and returns the process exit code:
// 0 success, 2 a rejected file or a wrong option (message on err, nothing on out).
#pragma once
#include <ostream>

#include "app/cli/HeadlessOptions.h"

namespace natalis {

// natalis --listing FILE.dat... [--houses P|K|R]: the natal listing and the aspects list of
// each file, one after another.
int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err);
// natalis --json FILE.dat... [--houses P|K|R]: one JSON object per file, each
// on one line (JSON Lines).
int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err);
// natalis --progress FILE.dat --tecnica T --fecha "d m yyyy" [--conversa] [--asc-en-arco]
int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err);
// natalis --transit FILE.dat --fecha "d m yyyy" --hora "hh mm"
int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err);
// natalis --retorno solar|lunar FILE.dat --fecha "d m aaaa" [--houses P|K|R]: the first
// solar or lunar return on or after the date, listed as the window lists it.
int HeadlessRetorno(const Args& args, std::ostream& out, std::ostream& err);
// natalis --periodo FILE.dat --desde "d m aaaa" --hasta "d m aaaa" [--orbe GRADOS]
//         [--tecnica "Transitos"|"Secundaria"|"Arco Solar"] [--houses P|K|R]: every aspect of
//         the technique's moving points to the natal points over the period, one a line.
int HeadlessPeriodo(const Args& args, std::ostream& out, std::ostream& err);
// natalis --help: the usage text on standard output.
int HeadlessHelp(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
