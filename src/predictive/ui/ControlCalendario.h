// The main window's commands of the year at a glance: "Calendario del cielo…" opens the
// calendar window, whose chosen event is drawn as the sky (a transit ring) at its instant;
// "Mapa del tiempo…" opens the time-map window, whose click on a bar draws that moment as the
// period window's chosen hit is drawn, and whose "Exportar…" writes the map as an SVG or a
// PDF, as `natalis --mapa-tiempo` writes it. It only calls the session and hands what was
// drawn to the one that shows it.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/session/ChartSession.h"

namespace natalis {

class PuertoVentana;
class FrmCalendario;
class FrmMapaTiempo;

class ControlCalendario : public QObject {
    Q_OBJECT
  public:
    // What a drawn moment is shown with (the period controller's showing of a step or a hit).
    using Mostrar = std::function<void(const PasoSesion&)>;
    // The file the user chose and the type (one of Filtros()) chosen with it; nothing when
    // the dialog was cancelled. A test answers in its place.
    struct ArchivoElegido {
        QString ruta;
        QString filtro;
    };
    using ElegirArchivo = std::function<std::optional<ArchivoElegido>(const QString& sugerido,
                                                                      const QStringList& filtros)>;

    // Becomes a child of the window and connects the menu entries "mnuCalendario" and
    // "mnuMapaTiempo".
    ControlCalendario(PuertoVentana& w, Mostrar mostrar);

    // "Calendario del cielo…": the window shown (built the first time, the period from today
    // to the same day a year on).
    void mnuCalendario_Click();
    // "Calcular": the typed request checked and the calendar listed.
    void Calcular();
    // An event chosen: the sky at its instant drawn as a transit of the chart on display.
    void ElegirEvento(const EventoCielo& e);

    // "Mapa del tiempo…": the window shown (built the first time, as the calendar's).
    void mnuMapaTiempo_Click();
    // "Dibujar": the typed search checked, the map built and its pages drawn.
    void Dibujar();
    // A click on a bar at the instant jd: drawn by the map's technique.
    void ElegirInstante(double jd);
    // "Exportar…": the map written to the file the user chooses.
    void Exportar();
    // The map on display written to ruta as the type filtro names (the type's extension
    // added when ruta has none); empty, or the message saying why nothing was written.
    std::string ExportarA(const QString& ruta, const QString& filtro);

    // The save dialog's types, PDF first.
    static QStringList Filtros();
    void SetElegirArchivo(ElegirArchivo f) { elegir_ = std::move(f); }

    FrmCalendario* VentanaCalendario() const { return calendario_; }
    FrmMapaTiempo* VentanaMapa() const { return mapa_; }

  private:
    PuertoVentana& w_;
    ChartSession& st_;
    Mostrar mostrar_;
    ElegirArchivo elegir_;
    FrmCalendario* calendario_ = nullptr;
    FrmMapaTiempo* mapa_ = nullptr;
};

}  // namespace natalis
