// libFuzzer target of the Aaf reader (see IntercambioFuzz.h). Built and run by scripts/fuzz.sh.
#include <cstdint>
#include <string_view>

#include "app/model/FormatoAaf.h"
#include "fuzz/IntercambioFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    natalis::fuzz::Comprobar(
        natalis::LeerAaf(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
