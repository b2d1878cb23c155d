// Headless commands: the same computations as the windows, printed without a display.
// Each takes the arguments after the program name and returns the process exit code:
// 0 success, 2 a rejected file or a wrong option (message on err, nothing on out).
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace natalis {

using Args = std::vector<std::string>;

// natalis --listing FILE.dat [--houses P|K|R]
int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err);
// natalis --json FILE.dat [--houses P|K|R]
int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err);
// natalis --progress FILE.dat --tecnica T --fecha "d m yyyy" [--conversa] [--asc-en-arco]
int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err);
// natalis --transit FILE.dat --fecha "d m yyyy" --hora "hh mm"
int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err);

// The usage text printed for a missing or wrong option.
const char* UsageText();

}  // namespace natalis
