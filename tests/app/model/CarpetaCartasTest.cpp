// The chart folder at start-up: --folder, the folder remembered from it, the program's own.
#include <gtest/gtest.h>

#include "app/model/CarpetaCartas.h"

namespace natalis {
namespace {

TEST(ElegirCarpetaCartas, ArgumentThenRememberedThenProgramFolder) {
    struct Row {
        std::optional<std::string> argumento;
        const char* recordada;
        bool existe;
        const char* elegida;
    };
    const Row rows[] = {
        {std::string("/datos/cartas"), "/otra/", true, "/datos/cartas/"},
        {std::nullopt, "/otra", true, "/otra/"},
        {std::nullopt, "/otra/", false, "/opt/natalis/"},  // gone since: the program's own
        {std::nullopt, "", true, "/opt/natalis/"},
        {std::string(""), "/otra/", true, "/otra/"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ElegirCarpetaCartas(r.argumento, r.recordada, r.existe, "/opt/natalis"),
                  r.elegida);
    }
}

}  // namespace
}  // namespace natalis
