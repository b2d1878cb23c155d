// Headless commands: the same computations as the windows, printed without a display.
// Each takes the arguments from the command on and returns the process exit code:
// 0 success, 2 a rejected file or a wrong option (message on err, nothing on out).
#pragma once
#include <ostream>

#include "app/HeadlessOptions.h"

namespace natalis {

// natalis --listing FILE.dat... [--houses P|K|R]: the natal listing and the aspects list of
// each file, one after another.
int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err);
// natalis --json FILE.dat... [--houses P|K|R]: one JSON object per file.
int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err);
// natalis --progress FILE.dat --tecnica T --fecha "d m yyyy" [--conversa] [--asc-en-arco]
int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err);
// natalis --transit FILE.dat --fecha "d m yyyy" --hora "hh mm"
int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err);
// natalis --help: the usage text on standard output.
int HeadlessHelp(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
