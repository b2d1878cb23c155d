#include "app/cli/TextCommands.h"

#include <unistd.h>

#include <cerrno>

#include "app/cli/Headless.h"
#include "app/cli/HeadlessAtlas.h"
#include "app/cli/HeadlessIntercambio.h"
#include "app/cli/HeadlessProgram.h"
#include "app/model/ChartFolderSetup.h"

namespace natalis {

namespace {

struct Comando {
    const char* nombre;
    FuncionComando ejecutar;
};

constexpr Comando kComandosTexto[] = {
    {"--listing", HeadlessListing},     {"--json", HeadlessJson},
    {"--progress", HeadlessProgress},   {"--transit", HeadlessTransit},
    {"--periodo", HeadlessPeriodo},     {"--retorno", HeadlessRetorno},
    {"--lugar", HeadlessLugar},         {"--huso", HeadlessHuso},
    {"--carpeta", HeadlessCarpeta},     {"--version", HeadlessVersion},
    {"--help", HeadlessHelp},           {"--calendario", HeadlessCalendario},
    {"--importar", HeadlessImportar},   {"--exportar", HeadlessExportar},
    {"--sinastria", HeadlessSinastria}, {"--compuesta", HeadlessCompuesta},
    {"--davison", HeadlessDavison},     {"--ahora", HeadlessAhora},
};

}  // namespace

FuncionComando BuscarComandoTexto(const std::string& nombre) {
    for (const Comando& c : kComandosTexto) {
        if (nombre == c.nombre) return c.ejecutar;
    }
    return nullptr;
}

bool PideDibujo(const Args& args) {
    if (args.empty() || !BuscarComandoTexto(args[0])) return false;
    const LecturaOpciones l = LeerOpcionesHeadless(args[0], args);
    return l.opciones && !l.opciones->dibujo.empty();
}

std::string RutaProgramaGrafico(const std::string& carpeta) {
    return carpeta + "/" + kProgramaGrafico;
}

int EjecutarProgramaGrafico(char** argv, std::ostream& err) {
    const std::string folder = ExecutableFolder();
    const std::string ruta = RutaProgramaGrafico(folder);
    if (!folder.empty()) ::execv(ruta.c_str(), argv);
    const int e = errno;
    err << "No se pudo iniciar la parte gráfica del programa («" << ruta << "»)"
        << (folder.empty() ? std::string(": no se sabe en qué carpeta está el programa")
            : e == ENOENT  ? std::string(": no existe")
            : e == EACCES  ? std::string(": no tiene permiso de ejecución")
                           : ": error " + std::to_string(e))
        << ".\n";
    return 2;
}

}  // namespace natalis
