// The main window's commands that bring a collection of charts in from another program's
// file ("Importar…", with a preview before anything is written) and take the chart folder
// out as one file ("Exportar colección…", AAF or CSV). They only call the model and the
// session; the file dialogs are replaceable so that tests answer them.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

namespace natalis {

class CuadroGral;

class ColeccionCommands : public QObject {
    Q_OBJECT
  public:
    // The file chosen in an open or save dialog (with the type chosen for a save); nothing
    // when the dialog was cancelled.
    struct ArchivoElegido {
        QString ruta;
        QString filtro;
    };
    using ElegirArchivo = std::function<std::optional<ArchivoElegido>(const QString& carpeta,
                                                                      const QStringList& filtros)>;

    // Becomes a child of the window and connects "mnuImportar" and "mnuExportarColeccion".
    explicit ColeccionCommands(CuadroGral& w);

    void mnuImportar_Click();           // "Importar…"
    void mnuExportarColeccion_Click();  // "Exportar colección…"

    // The charts of ruta written into the chart folder after the user agreed to the preview;
    // each step's message goes through the window's Dialogs.
    void Importar(const QString& ruta);
    // The chart folder written to ruta as the type filtro names (its extension added when
    // ruta has none); empty, or the message saying why nothing was written.
    std::string ExportarColeccion(const QString& ruta, const QString& filtro);

    static QStringList FiltrosImportar();
    static QStringList FiltrosExportar();

    void SetElegirAbrir(ElegirArchivo f) { abrir_ = std::move(f); }
    void SetElegirGuardar(ElegirArchivo f) { guardar_ = std::move(f); }

  private:
    CuadroGral& w_;
    ElegirArchivo abrir_, guardar_;
};

}  // namespace natalis
