// The commands that answer in text. They need neither a display nor Qt, so the program
// `natalis` answers them itself and hands everything else (the window, the drawn exports) to
// the graphical program installed beside it.
#pragma once
#include <ostream>
#include <string>

#include "app/cli/HeadlessOptions.h"

namespace natalis {

// A command: its arguments (the command itself first), standard output and error; the exit code.
using FuncionComando = int (*)(const Args& args, std::ostream& out, std::ostream& err);

// The text command named `nombre` ("--listing", "--json" ...), or nullptr for any other word.
FuncionComando BuscarComandoTexto(const std::string& nombre);

// Whether a text command's line asks for a picture (--png, --svg or --pdf as an option of
// --sinastria and the others): the graphical program draws it.
bool PideDibujo(const Args& args);

// The graphical program's file name, and its path beside the program in `carpeta` (the
// folder of the running program, without a trailing separator).
constexpr const char* kProgramaGrafico = "natalis-gui";
std::string RutaProgramaGrafico(const std::string& carpeta);

// Replaces this process with the graphical program beside it, passing argv unchanged.
// Returns only when it could not be started: then the reason is on err and the result is
// the exit code (2).
int EjecutarProgramaGrafico(char** argv, std::ostream& err);

}  // namespace natalis
