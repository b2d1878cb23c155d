// Starts the window. args: the arguments after the program name (--folder DIR).
#pragma once
#include "app/cli/Headless.h"

namespace natalis {

int RunGui(int argc, char** argv, const Args& args);

}  // namespace natalis
