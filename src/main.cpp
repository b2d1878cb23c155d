// natalis: the text commands answered here, without Qt, so a listing starts as fast as a
// small program does; the window and the drawn exports (--png, --svg, --pdf) are the
// graphical program's, started in this process's place with the same arguments.
#include <iostream>

#include "app/cli/TextCommands.h"

int main(int argc, char** argv) {
    if (argc > 1) {
        const natalis::Args args(argv + 1, argv + argc);
        const natalis::FuncionComando comando = natalis::BuscarComandoTexto(argv[1]);
        if (comando && !natalis::PideDibujo(args)) return comando(args, std::cout, std::cerr);
    }
    return natalis::EjecutarProgramaGrafico(argv, std::cerr);
}
