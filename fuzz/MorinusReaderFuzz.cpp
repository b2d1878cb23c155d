// libFuzzer target of the pickled chart reader (see IntercambioFuzz.h). Built and run by
// scripts/fuzz.sh.
#include <cstdint>
#include <string_view>

#include "app/model/FormatoMorinus.h"
#include "fuzz/IntercambioFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    natalis::fuzz::Comprobar(
        natalis::LeerMorinus(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
