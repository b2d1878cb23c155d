// Headless commands about the program itself: its version and the chart folder it uses.
#pragma once
#include <optional>
#include <string>

#include "app/cli/Headless.h"

namespace natalis {

// natalis --version: "Natalis <version>" on out, exit 0.
int HeadlessVersion(const Args& args, std::ostream& out, std::ostream& err);
// natalis --carpeta [--folder CARPETA]: makes the chart folder ready as the window does at
// start-up (the user's data folder of an installed program is created and seeded) and
// prints its path on out, exit 0. No folder: the reason on err, exit 2.
int HeadlessCarpeta(const Args& args, std::ostream& out, std::ostream& err);

// Reads args[from..] as nothing or "--folder DIR" (DIR not empty). False for anything else.
bool ParseFolderOption(const Args& args, size_t from, std::optional<std::string>& folder);

}  // namespace natalis
