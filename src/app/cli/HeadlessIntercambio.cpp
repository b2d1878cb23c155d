#include "app/cli/HeadlessIntercambio.h"

#include <filesystem>

#include "app/model/ChartFolderSetup.h"
#include "app/model/FileBytes.h"
#include "app/model/Importacion.h"
#include "app/model/SafeFileWrite.h"
#include "app/session/ExportarColeccion.h"
#include "astro/SwissEphemeris.h"

namespace natalis {

namespace {

// The chart folder the window would use, made ready; empty after a message on err.
std::string CarpetaLista(const std::optional<std::string>& opcion, std::ostream& err) {
    const ChartFolderChoice choice = ProcessChartFolder(opcion);
    const ChartFolderSetup setup = SetUpChartFolder(choice);
    if (!setup.message.empty()) err << setup.message << "\n";
    return setup.ok ? choice.chartFolder : std::string();
}

}  // namespace

int HeadlessImportar(const Args& args, std::ostream& out, std::ostream& err) {
    const auto o = LeerOpcionesOAvisar("--importar", args, err);
    if (!o) return 2;
    const std::filesystem::path ruta(o->archivos[0]);
    const FileReadResult leido =
        ReadFileBytes(ruta.parent_path().string(), ruta.filename().string());
    if (!leido.ok) {
        err << leido.message << "\n";
        return 2;
    }
    const Lectura lectura = LeerArchivoIntercambio(ruta.filename().string(), leido.bytes);
    if (!lectura.error.empty()) {
        err << lectura.error << "\n";
        return 2;
    }
    const std::string carpeta = CarpetaLista(o->carpeta, err);
    if (carpeta.empty()) return 2;
    const std::vector<CartaImportada> hechas = ImportarCartas(lectura, carpeta);
    bool todas = true;
    for (const CartaImportada& c : hechas) {
        out << RenglonImportacion(c) << "\n";
        todas = todas && !c.archivo.empty();
    }
    out << ResumenImportacion(hechas) << "\n";
    return todas ? 0 : 1;
}

int HeadlessExportar(const Args& args, std::ostream& out, std::ostream& err) {
    const auto o = LeerOpcionesOAvisar("--exportar", args, err);
    if (!o) return 2;
    std::vector<std::string> puntos = PuntosExportables();
    if (o->puntosExportar) {
        std::string error;
        const auto leidos = LeerPuntos(*o->puntosExportar, error);
        if (!leidos) {
            err << error << "\n";
            return 2;
        }
        puntos = *leidos;
    }
    const std::string carpeta = CarpetaLista(o->carpeta, err);
    if (carpeta.empty()) return 2;
    const CartasDeCarpeta cartas = LeerCarpeta(carpeta);
    if (!cartas.error.empty()) {
        err << cartas.error << "\n";
        return 2;
    }
    SwissEphemeris eph;
    const Exportacion e = ExportarColeccion(cartas, *o->formatoExportar, puntos, o->casas, eph);
    for (const std::string& aviso : e.avisos) err << aviso << "\n";
    const std::filesystem::path salida(o->archivos[0]);
    const FileWriteResult escrito = ReplaceFileSafely(
        salida.parent_path().string(), salida.filename().string(), e.bytes, kTagColeccion);
    if (!escrito.ok) {
        err << escrito.message << "\n";
        return 2;
    }
    out << "Exportadas " << cartas.cartas.size() << " cartas a " << o->archivos[0] << ".\n";
    return 0;
}

}  // namespace natalis
