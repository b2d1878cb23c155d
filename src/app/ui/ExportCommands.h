// The main window's commands that take the chart on display out of the program: "Imprimir…"
// (with a print preview), "Exportar…" (PDF, SVG or PNG by the chosen type) and Ctrl+C (the
// aspects list, or the natal listing window's text while that window is active, to the
// clipboard). They only call the session and the export code.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QPrinter;

namespace natalis {

class CuadroGral;

class ExportCommands : public QObject {
    Q_OBJECT
  public:
    // The file the user chose in the save dialog, and the type (one of Filtros()) chosen
    // with it; nothing when the dialog was cancelled.
    struct ArchivoElegido {
        QString ruta;
        QString filtro;
    };
    // Offers sugerido (folder and name) and the filters; a test answers in its place.
    using ElegirArchivo = std::function<std::optional<ArchivoElegido>(const QString& sugerido,
                                                                      const QStringList& filtros)>;
    // Shows the preview of printer, painted by pintar, and prints when the user asks.
    using Previsualizar =
        std::function<void(QPrinter& printer, const std::function<void(QPrinter*)>& pintar)>;

    // Becomes a child of the window and connects its menu entries and Ctrl+C.
    explicit ExportCommands(CuadroGral& w);

    void mnuImprimir_Click();  // "Imprimir…"
    void mnuExportar_Click();  // "Exportar…"
    void Copiar();             // Ctrl+C

    // The report of the chart on display painted on printer, in the paper palette.
    bool Imprimir(QPrinter& printer);
    // The chart on display written to ruta as the type filtro names (the type's extension
    // added when ruta has none); empty, or the message saying why nothing was written.
    std::string Exportar(const QString& ruta, const QString& filtro);

    // The save dialog's types, PDF first, and the file it offers: the chart's name in the
    // chart folder.
    static QStringList Filtros();
    QString Sugerido() const;

    void SetElegirArchivo(ElegirArchivo f) { elegir_ = std::move(f); }
    void SetPrevisualizar(Previsualizar f) { previsualizar_ = std::move(f); }
    QAction* AccionCopiar() const { return copiar_; }

  private:
    CuadroGral& w_;
    QAction* copiar_ = nullptr;
    ElegirArchivo elegir_;
    Previsualizar previsualizar_;
};

}  // namespace natalis
