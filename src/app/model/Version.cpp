#include "app/model/Version.h"

#ifndef NATALIS_VERSION
#error "NATALIS_VERSION comes from the build (project VERSION in CMakeLists.txt)"
#endif

namespace natalis {

const char* NatalisVersion() { return NATALIS_VERSION; }

}  // namespace natalis
