// The program's version, printed by the reports and by --version.
#pragma once

namespace natalis {

constexpr const char* kNatalisVersion = "0.2.0";

}  // namespace natalis
