#include "predictive/ui/ControlCalendario.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "app/model/Clock.h"
#include "app/model/Dialogs.h"
#include "astro/InstanteCivil.h"
#include "predictive/ui/ExportarMapa.h"
#include "predictive/ui/FrmCalendario.h"
#include "predictive/ui/FrmMapaTiempo.h"
#include "predictive/ui/MomentoPeriodo.h"
#include "predictive/ui/PuertoVentana.h"

namespace natalis {

namespace {

// The types the save dialog offers, in its order.
struct FormatoMapa {
    const char* filtro;
    const char* extension;
    bool svg;
};
constexpr FormatoMapa kFormatosMapa[] = {
    {"Mapa de tiempo PDF (*.pdf)", "pdf", false},
    {"Mapa de tiempo SVG (*.svg)", "svg", true},
};

const FormatoMapa& FormatoDe(const QString& filtro) {
    for (const FormatoMapa& f : kFormatosMapa) {
        if (filtro == QString::fromUtf8(f.filtro)) return f;
    }
    return kFormatosMapa[0];
}

std::string Texto(const FechaCivil& f) { return TextoFecha({f.dia, f.mes, f.anio}); }

// From today to the same day a year on, as "d m aaaa".
std::pair<std::string, std::string> AnioDesdeHoy(const Clock& reloj) {
    const LocalDateTime hoy = reloj.Now();
    const FechaCivil desde{hoy.day, hoy.month, hoy.year};
    return {Texto(desde), Texto(DesplazarFecha(desde, UnidadPaso::Anio, 1))};
}

constexpr const char* kTituloExportar = "Exportar mapa de tiempo";

}  // namespace

ControlCalendario::ControlCalendario(PuertoVentana& w, Mostrar mostrar)
    : QObject(w.Ventana()), w_(w), st_(w.Sesion()), mostrar_(std::move(mostrar)) {
    setObjectName("ControlCalendario");
    if (QAction* menu = w_.Comando("mnuCalendario")) {
        connect(menu, &QAction::triggered, this, [this] { mnuCalendario_Click(); });
    }
    if (QAction* menu = w_.Comando("mnuMapaTiempo")) {
        connect(menu, &QAction::triggered, this, [this] { mnuMapaTiempo_Click(); });
    }
    elegir_ = [this](const QString& sugerido,
                     const QStringList& filtros) -> std::optional<ArchivoElegido> {
        QString filtro = filtros.front();
        const QString ruta = QFileDialog::getSaveFileName(mapa_, QString::fromUtf8(kTituloExportar),
                                                          sugerido, filtros.join(";;"), &filtro);
        if (ruta.isEmpty()) return std::nullopt;
        return ArchivoElegido{ruta, filtro};
    };
}

void ControlCalendario::mnuCalendario_Click() {
    if (!calendario_) {
        calendario_ = new FrmCalendario(w_.Ventana());
        const auto [desde, hasta] = AnioDesdeHoy(w_.Reloj());
        calendario_->SetPeriodo(desde, hasta);
        connect(calendario_, &FrmCalendario::calcular, this, [this] { Calcular(); });
        connect(calendario_, &FrmCalendario::elegido, this,
                [this](const EventoCielo& e) { ElegirEvento(e); });
    }
    calendario_->SetHayCarta(st_.flags.ChartLoaded);
    calendario_->MostrarSobre(*w_.Ventana());
}

void ControlCalendario::Calcular() {
    if (!calendario_) return;
    const CalendarioRevisado r = RevisarConsultaCalendario(calendario_->Consulta());
    if (!r.pedido) {
        w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.titulo);
        return;
    }
    const bool conCarta = calendario_->ConCarta() && st_.flags.ChartLoaded;
    calendario_->SetEventos(st_.CalendarioDelPeriodo(*r.pedido, conCarta),
                            st_.RelojDelCalendario(*r.pedido, conCarta));
}

void ControlCalendario::ElegirEvento(const EventoCielo& e) {
    if (!st_.flags.ChartLoaded) return;
    PasoSesion r;
    r.movio = PasoMovio::Transito;
    r.transito = st_.TransitarJD(&w_.Superficie(), e.jd);
    mostrar_(r);
}

void ControlCalendario::mnuMapaTiempo_Click() {
    if (!mapa_) {
        mapa_ = new FrmMapaTiempo(w_.Ventana());
        const auto [desde, hasta] = AnioDesdeHoy(w_.Reloj());
        mapa_->SetPeriodo(desde, hasta);
        connect(mapa_, &FrmMapaTiempo::dibujar, this, [this] { Dibujar(); });
        connect(mapa_, &FrmMapaTiempo::instante, this, [this](double jd) { ElegirInstante(jd); });
        connect(mapa_, &FrmMapaTiempo::exportar, this, [this] { Exportar(); });
    }
    mapa_->MostrarSobre(*w_.Ventana());
}

void ControlCalendario::Dibujar() {
    if (!mapa_ || !st_.flags.ChartLoaded) return;
    const PeriodoRevisado r = RevisarConsultaPeriodo(mapa_->Consulta());
    if (!r.pedido) {
        w_.Dialogos().MsgBox(r.mensaje, MsgButtons::Ok, MsgIcon::Exclamation, r.titulo);
        return;
    }
    MapaTiempo mapa = st_.MapaDelPeriodo(*r.pedido, mapa_->ConLuna());
    const std::string titulo = st_.TituloMapa(*r.pedido);
    std::vector<RecordingSurface> paginas(PaginasMapa(mapa));
    const double hoy = JdAhora(w_.Reloj());
    for (size_t k = 0; k < paginas.size(); ++k) {
        DibujarMapaTiempo(mapa, static_cast<int>(k), titulo, hoy, paginas[k]);
    }
    mapa_->SetMapa(std::move(mapa), titulo, std::move(paginas));
}

void ControlCalendario::ElegirInstante(double jd) {
    if (!mapa_ || !st_.flags.ChartLoaded) return;
    AspectoPeriodo momento;
    momento.jdExacto = jd;
    mostrar_(MostrarMomentoPeriodo(st_, &w_.Superficie(), mapa_->Mapa().pedido.tecnica, momento));
}

QStringList ControlCalendario::Filtros() {
    QStringList filtros;
    for (const FormatoMapa& f : kFormatosMapa) filtros << QString::fromUtf8(f.filtro);
    return filtros;
}

void ControlCalendario::Exportar() {
    if (!mapa_ || mapa_->Paginas().empty()) return;
    // The chart's name with "_mapa", in the chart folder.
    QString nombre = QFileInfo(QString::fromStdString(st_.flags.ChartFileName)).completeBaseName();
    nombre = nombre.isEmpty() ? QStringLiteral("mapa") : nombre + QStringLiteral("_mapa");
    const QString sugerido =
        QString::fromStdString(st_.flags.ProgramFolder) + nombre + "." + kFormatosMapa[0].extension;
    const std::optional<ArchivoElegido> elegido = elegir_(sugerido, Filtros());
    if (!elegido) return;
    const std::string error = ExportarA(elegido->ruta, elegido->filtro);
    if (!error.empty()) {
        w_.Dialogos().MsgBox(error, MsgButtons::Ok, MsgIcon::Critical, kTituloExportar);
    }
}

std::string ControlCalendario::ExportarA(const QString& ruta, const QString& filtro) {
    if (!mapa_ || mapa_->Paginas().empty()) return {};
    const FormatoMapa& f = FormatoDe(filtro);
    QString destino = ruta;
    if (QFileInfo(destino).suffix().compare(f.extension, Qt::CaseInsensitive) != 0) {
        destino += QString(".") + f.extension;
    }
    const std::string path = destino.toStdString();
    // The command's defaults: the paper palette, an A4 sheet a page.
    return f.svg ? EscribirMapaSvg(mapa_->Paginas(), Tema::Papel, mapa_->Titulo(), path)
                 : EscribirMapaPdf(mapa_->Paginas(), Papel::A4, Tema::Papel, mapa_->Titulo(), path);
}

}  // namespace natalis
