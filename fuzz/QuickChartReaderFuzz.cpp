// libFuzzer target of the fixed-width chart list reader (see IntercambioFuzz.h). Built and run by
// scripts/fuzz.sh.
#include <cstdint>
#include <string_view>

#include "app/model/FormatoQuickChart.h"
#include "fuzz/IntercambioFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    natalis::fuzz::Comprobar(
        natalis::LeerQuickChart(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
