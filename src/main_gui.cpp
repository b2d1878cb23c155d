// natalis-gui: the window, or a headless command when the first argument names one. The
// program `natalis` starts it for everything that is not a text command.
#include <iostream>
#include <string>

#include "app/cli/HeadlessOptions.h"
#include "app/cli/TextCommands.h"
#include "app/ui/GuiMain.h"
#include "app/ui/HeadlessDibujoCartas.h"
#include "app/ui/HeadlessMapa.h"
#include "app/ui/HeadlessPng.h"

namespace {

struct Imagen {
    const char* name;
    natalis::FuncionComando run;
};

constexpr Imagen kImagenes[] = {
    {"--png", natalis::HeadlessPng},
    {"--svg", natalis::HeadlessSvg},
    {"--pdf", natalis::HeadlessPdf},
    {"--mapa-tiempo", natalis::HeadlessMapaTiempo},
};

}  // namespace

int main(int argc, char** argv) {
    natalis::Args args(argv + 1, argv + argc);
    if (!args.empty()) {
        if (natalis::PideDibujo(args))
            return natalis::HeadlessDibujoCartas(args, std::cout, std::cerr);
        if (const natalis::FuncionComando texto = natalis::BuscarComandoTexto(args[0])) {
            return texto(args, std::cout, std::cerr);
        }
        for (const Imagen& c : kImagenes) {
            if (args[0] == c.name) return c.run(args, std::cout, std::cerr);
        }
        if (args[0] != "--folder") {
            std::cerr << natalis::UsageText();
            return 2;
        }
    }
    return natalis::RunGui(argc, argv, args);
}
