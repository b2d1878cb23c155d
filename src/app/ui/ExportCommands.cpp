#include "app/ui/ExportCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/session/InformeCarta.h"
#include "app/session/InformeCompleto.h"
#include "app/session/InformeSinastria.h"
#include "app/session/PaginasInforme.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/ExportarCarta.h"
#include "app/ui/HeadlessDibujoCartas.h"
#include "app/ui/PintarInformeCompleto.h"
#include "chart/ui/FrmListaNat.h"

namespace natalis {

namespace {

enum class Formato { Pdf, Svg, Png };

// The types the save dialog offers, in its order: what each writes and in which palette.
struct FormatoFila {
    const char* filtro;
    const char* extension;
    Formato formato;
    Tema tema;
};

constexpr FormatoFila kFormatos[] = {
    {"Informe PDF (*.pdf)", "pdf", Formato::Pdf, Tema::Papel},
    {"Imagen SVG (*.svg)", "svg", Formato::Svg, Tema::Pantalla},
    {"Imagen SVG para papel (*.svg)", "svg", Formato::Svg, Tema::Papel},
    {"Imagen PNG (*.png)", "png", Formato::Png, Tema::Pantalla},
    {"Imagen PNG para papel (*.png)", "png", Formato::Png, Tema::Papel},
};

const FormatoFila& FilaDe(const QString& filtro) {
    for (const FormatoFila& f : kFormatos) {
        if (filtro == QString::fromUtf8(f.filtro)) return f;
    }
    return kFormatos[0];
}

std::string Texto(const std::vector<std::string>& lineas) {
    std::string texto;
    for (const std::string& l : lineas) texto += l + "\n";
    return texto;
}

// The report of what the window shows: a synastry's (both charts, the bi-wheel, the cross
// aspects), the chart's own for a composite, Davison, return or moment, else the natal chart's
// with the rings on display.
struct InformeEnPantalla {
    InformeCompleto informe;
    RuedasInforme ruedas;
};
InformeEnPantalla InformeDe(const ChartSession& s, const QtSurface& dibujo) {
    if (const auto& c = s.ComparacionEnPantalla()) {
        if (c->tipo == TipoComparacion::Sinastria) {
            return {ArmarInformeSinastria(c->primera, c->carta, c->cruce),
                    RuedasDeCartas(c->primera, &c->carta, &c->cruce)};
        }
        return {ArmarInformeDeCarta(c->carta), RuedasDeCartas(c->carta, nullptr, nullptr)};
    }
    return {ArmarInformeCompleto(s), RecortarRuedas(s, dibujo)};
}

}  // namespace

ExportCommands::ExportCommands(CuadroGral& w) : QObject(&w), w_(w) {
    setObjectName("ExportCommands");
    QAction* imprimir = w_.Action("mnuImprimir");
    imprimir->setShortcut(QKeySequence::Print);
    connect(imprimir, &QAction::triggered, this, [this] { mnuImprimir_Click(); });
    connect(w_.Action("mnuExportar"), &QAction::triggered, this, [this] { mnuExportar_Click(); });

    // Ctrl+C in the main window or in the listing window, which is a window of its own.
    copiar_ = new QAction(&w_);
    copiar_->setObjectName("mnuCopiar");
    copiar_->setShortcut(QKeySequence::Copy);
    copiar_->setShortcutContext(Qt::ApplicationShortcut);
    w_.addAction(copiar_);
    connect(copiar_, &QAction::triggered, this, [this] { Copiar(); });

    // A drawn chart can be printed and exported: run after every drawing, with the file
    // commands' own fitting.
    WindowHooks& hooks = w_.Hooks();
    hooks.chartMenus = [this, ajustarArchivo = hooks.chartMenus] {
        if (ajustarArchivo) ajustarArchivo();
        w_.Action("mnuImprimir")->setEnabled(true);
        w_.Action("mnuExportar")->setEnabled(true);
    };

    elegir_ = [this](const QString& sugerido,
                     const QStringList& filtros) -> std::optional<ArchivoElegido> {
        QString filtro = filtros.front();
        const QString ruta = QFileDialog::getSaveFileName(&w_, QStringLiteral("Exportar carta"),
                                                          sugerido, filtros.join(";;"), &filtro);
        if (ruta.isEmpty()) return std::nullopt;
        return ArchivoElegido{ruta, filtro};
    };
    previsualizar_ = [this](QPrinter& printer, const std::function<void(QPrinter*)>& pintar) {
        QPrintPreviewDialog preview(&printer, &w_);
        preview.setWindowTitle(QStringLiteral("Imprimir carta"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, pintar);
        preview.exec();
    };
}

QStringList ExportCommands::Filtros() {
    QStringList filtros;
    for (const FormatoFila& f : kFormatos) filtros << QString::fromUtf8(f.filtro);
    return filtros;
}

QString ExportCommands::Sugerido() const {
    const ChartSession& s = w_.State();
    QString nombre = QFileInfo(QString::fromStdString(s.flags.ChartFileName)).completeBaseName();
    if (nombre.isEmpty() || s.flags.NewChart) {
        nombre = QString::fromStdString(ArmarInforme(s).nombre).simplified();
        nombre.replace(' ', '_');
    }
    if (nombre.isEmpty()) nombre = QStringLiteral("carta");
    return QString::fromStdString(s.flags.ProgramFolder) + nombre + "." + kFormatos[0].extension;
}

bool ExportCommands::Imprimir(QPrinter& printer) {
    const ChartSession& s = w_.State();
    if (!s.flags.ChartLoaded) return false;
    const InformeEnPantalla r = InformeDe(s, w_.Surface());
    return PintarInformeCompleto(printer, r.informe, r.ruedas, Tema::Papel);
}

void ExportCommands::mnuImprimir_Click() {
    if (!w_.State().flags.ChartLoaded) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);  // the report keeps its own margins
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(InformeDe(w_.State(), w_.Surface()).informe.nombre));
    previsualizar_(printer, [this](QPrinter* p) { Imprimir(*p); });
}

std::string ExportCommands::Exportar(const QString& ruta, const QString& filtro) {
    const ChartSession& s = w_.State();
    if (!s.flags.ChartLoaded) return {};
    const FormatoFila& f = FilaDe(filtro);
    QString destino = ruta;
    if (QFileInfo(destino).suffix().compare(f.extension, Qt::CaseInsensitive) != 0) {
        destino += QString(".") + f.extension;
    }
    const std::string path = destino.toStdString();
    QtSurface& dibujo = w_.Surface();
    const QSize size = dibujo.TargetSize() * dibujo.DevicePixelRatio();
    switch (f.formato) {
        case Formato::Pdf: {
            const InformeEnPantalla r = InformeDe(s, dibujo);
            return EscribirInformePdf(r.informe, r.ruedas, Papel::A4, f.tema, path);
        }
        case Formato::Svg:
            return EscribirSvg(dibujo, size, f.tema, ArmarInforme(s).nombre, path);
        case Formato::Png:
            return EscribirPng(dibujo, size, f.tema, path);
    }
    return {};
}

void ExportCommands::mnuExportar_Click() {
    if (!w_.State().flags.ChartLoaded) return;
    const std::optional<ArchivoElegido> elegido = elegir_(Sugerido(), Filtros());
    if (!elegido) return;
    const std::string error = Exportar(elegido->ruta, elegido->filtro);
    if (!error.empty()) {
        w_.DialogsSeam().MsgBox(error, MsgButtons::Ok, MsgIcon::Critical, "Exportar");
    }
}

void ExportCommands::Copiar() {
    const ChartSession& s = w_.State();
    if (!s.flags.ChartLoaded) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    const FrmListaNat* listado = w_.frmListaNat();
    if (listado && listado->isVisible() && listado->isActiveWindow()) {
        clipboard->setText(QString::fromStdString(Texto(s.ListadoNatalLineas())));
    } else if (w_.isActiveWindow()) {
        clipboard->setText(QString::fromStdString(Texto(s.Lista)));
    }
}

}  // namespace natalis
