#include "app/ui/ColeccionCommands.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "app/model/FileBytes.h"
#include "app/model/Importacion.h"
#include "app/model/SafeFileWrite.h"
#include "app/session/ExportarColeccion.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"

namespace natalis {

namespace {

const char kTituloImportar[] = "Importar";
const char kTituloExportar[] = "Exportar colección";

// Lines shown in a message box at most; the rest are counted.
constexpr std::size_t kRenglonesVisibles = 25;

std::string Texto(const std::vector<std::string>& renglones) {
    std::string texto;
    for (std::size_t i = 0; i < renglones.size() && i < kRenglonesVisibles; ++i)
        texto += (i ? "\n" : "") + renglones[i];
    if (renglones.size() > kRenglonesVisibles)
        texto +=
            "\n… y " + std::to_string(renglones.size() - kRenglonesVisibles) + " renglones más.";
    return texto;
}

QStringList Lista(const std::vector<std::string>& textos) {
    QStringList lista;
    for (const std::string& t : textos) lista << QString::fromStdString(t);
    return lista;
}

}  // namespace

ColeccionCommands::ColeccionCommands(CuadroGral& w) : QObject(&w), w_(w) {
    setObjectName("ColeccionCommands");
    connect(w_.Action("mnuImportar"), &QAction::triggered, this, [this] { mnuImportar_Click(); });
    connect(w_.Action("mnuExportarColeccion"), &QAction::triggered, this,
            [this] { mnuExportarColeccion_Click(); });
    abrir_ = [this](const QString& carpeta,
                    const QStringList& filtros) -> std::optional<ArchivoElegido> {
        const QString ruta = QFileDialog::getOpenFileName(&w_, QString::fromUtf8(kTituloImportar),
                                                          carpeta, filtros.join(";;"));
        if (ruta.isEmpty()) return std::nullopt;
        return ArchivoElegido{ruta, {}};
    };
    guardar_ = [this](const QString& carpeta,
                      const QStringList& filtros) -> std::optional<ArchivoElegido> {
        QString filtro = filtros.front();
        const QString ruta =
            QFileDialog::getSaveFileName(&w_, QString::fromUtf8(kTituloExportar),
                                         carpeta + "cartas.aaf", filtros.join(";;"), &filtro);
        if (ruta.isEmpty()) return std::nullopt;
        return ArchivoElegido{ruta, filtro};
    };
}

QStringList ColeccionCommands::FiltrosImportar() { return Lista(ImportDialogFilters()); }

QStringList ColeccionCommands::FiltrosExportar() { return Lista(ExportDialogFilters()); }

void ColeccionCommands::mnuImportar_Click() {
    const auto elegido =
        abrir_(QString::fromStdString(w_.State().flags.ProgramFolder), FiltrosImportar());
    if (elegido) Importar(elegido->ruta);
}

void ColeccionCommands::Importar(const QString& ruta) {
    Dialogs& d = w_.DialogsSeam();
    const QFileInfo info(ruta);
    const std::string nombre = info.fileName().toStdString();
    const FileReadResult leido = ReadFileBytes(info.absolutePath().toStdString(), nombre);
    if (!leido.ok) {
        d.MsgBox(leido.message, MsgButtons::Ok, MsgIcon::Critical, kTituloImportar);
        return;
    }
    const Lectura lectura = LeerArchivoIntercambio(nombre, leido.bytes);
    if (!lectura.error.empty()) {
        d.MsgBox(lectura.error, MsgButtons::Ok, MsgIcon::Critical, kTituloImportar);
        return;
    }
    const std::string carpeta = w_.State().flags.ProgramFolder;
    const std::string pregunta = Texto(VistaPrevia(lectura, carpeta)) + "\n\n¿Importar las cartas?";
    if (d.MsgBox(pregunta, MsgButtons::YesNo, MsgIcon::Question, kTituloImportar) != MsgAnswer::Yes)
        return;
    const std::vector<CartaImportada> hechas = ImportarCartas(lectura, carpeta);
    std::vector<std::string> renglones = {ResumenImportacion(hechas)};
    for (const CartaImportada& c : hechas) renglones.push_back(RenglonImportacion(c));
    w_.Browser()->Refresh(carpeta);
    d.MsgBox(Texto(renglones), MsgButtons::Ok, MsgIcon::Information, kTituloImportar);
}

void ColeccionCommands::mnuExportarColeccion_Click() {
    const auto elegido =
        guardar_(QString::fromStdString(w_.State().flags.ProgramFolder), FiltrosExportar());
    if (!elegido) return;
    const std::string error = ExportarColeccion(elegido->ruta, elegido->filtro);
    if (!error.empty())
        w_.DialogsSeam().MsgBox(error, MsgButtons::Ok, MsgIcon::Critical, kTituloExportar);
}

std::string ColeccionCommands::ExportarColeccion(const QString& ruta, const QString& filtro) {
    const ChartFormat* tipo = CollectionWriters().front();
    for (const ChartFormat* f : CollectionWriters())
        if (filtro.toStdString() == DialogFilter(*f)) tipo = f;
    QFileInfo info(ruta);
    if (info.suffix().isEmpty()) info = QFileInfo(ruta + QString::fromUtf8(tipo->extension));
    ChartSession& s = w_.State();
    const CartasDeCarpeta cartas = LeerCarpeta(s.flags.ProgramFolder);
    if (!cartas.error.empty()) return cartas.error;
    const Exportacion e =
        natalis::ExportarColeccion(cartas, *tipo, PuntosExportables(), s.HouseSystem, s.Eph());
    const FileWriteResult escrito = ReplaceFileSafely(
        info.absolutePath().toStdString(), info.fileName().toStdString(), e.bytes, kTagColeccion);
    if (!escrito.ok) return escrito.message;
    if (!e.avisos.empty())
        w_.DialogsSeam().MsgBox(Texto(e.avisos), MsgButtons::Ok, MsgIcon::Exclamation,
                                kTituloExportar);
    return "";
}

}  // namespace natalis
