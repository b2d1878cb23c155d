// The program's name and version. The version is set once, in the build (the CMake
// project's VERSION), and reaches the code only through this function.
#pragma once

namespace natalis {

constexpr const char* kProgramName = "Natalis";

// The version as "major.minor.patch", e.g. "0.1.0".
const char* NatalisVersion();

}  // namespace natalis
