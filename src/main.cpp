// Natalis: the window, or a headless command when the first argument names one.
#include <iostream>
#include <string>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessAtlas.h"
#include "app/cli/HeadlessIntercambio.h"
#include "app/cli/HeadlessProgram.h"
#include "app/ui/GuiMain.h"
#include "app/ui/HeadlessPng.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const natalis::Args&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"--listing", natalis::HeadlessListing},   {"--json", natalis::HeadlessJson},
    {"--png", natalis::HeadlessPng},           {"--progress", natalis::HeadlessProgress},
    {"--transit", natalis::HeadlessTransit},   {"--help", natalis::HeadlessHelp},
    {"--retorno", natalis::HeadlessRetorno},   {"--version", natalis::HeadlessVersion},
    {"--carpeta", natalis::HeadlessCarpeta},   {"--lugar", natalis::HeadlessLugar},
    {"--huso", natalis::HeadlessHuso},         {"--periodo", natalis::HeadlessPeriodo},
    {"--svg", natalis::HeadlessSvg},           {"--pdf", natalis::HeadlessPdf},
    {"--importar", natalis::HeadlessImportar}, {"--exportar", natalis::HeadlessExportar},
};

}  // namespace

int main(int argc, char** argv) {
    natalis::Args args(argv + 1, argv + argc);
    if (!args.empty()) {
        for (const Command& c : kCommands) {
            if (args[0] == c.name) return c.run(args, std::cout, std::cerr);
        }
        if (args[0] != "--folder") {
            std::cerr << natalis::UsageText();
            return 2;
        }
    }
    return natalis::RunGui(argc, argv, args);
}
