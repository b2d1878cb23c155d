// ChartSession: the chart on display and everything computed from it, owned in one place.
// The main window, every headless command and every export call the same functions here, so
// the window and the command line show the same thing by construction.
//
// It holds the natal record and its flags, the house system, the tables of the last
// computation (Planet and Cusp hold whatever the last computation wrote, as the behaviour
// reads them), the progression and transit state and results, the solar-time choice, the
// hits of the last period search, the rings on display and the lines of `Lista`. It draws
// onto any Surface it is handed; it owns no widget and no dialog mode.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Clock.h"
#include "app/model/NatalRecord.h"
#include "astro/Ephemeris.h"
#include "astro/SistemaCasas.h"
#include "chart/Carta.h"
#include "chart/NatalTables.h"
#include "chart/Orbes.h"
#include "chart/Surface.h"
#include "chart/WheelGeometry.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/CalcularProgresion.h"
#include "predictive/ConsultaCalendario.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/MapaTiempo.h"
#include "predictive/PasoTiempo.h"
#include "predictive/PredictiveState.h"
#include "predictive/Retorno.h"
#include "predictive/Transito.h"

namespace natalis {

constexpr const char* kErrorCalculoTransito = "Error de cálculo: no se pudo completar el tránsito.";

struct TransitoResultado {
    TransitoInstante instante;       // estado Calculado, or why nothing was done
    bool errorCalculo = false;       // the positions were not finite: nothing drawn or listed
    ProgresionResultado progresion;  // the progression recomputed when one is on display
    size_t primeraLinea = 0;         // index in Lista of the block's heading
};

struct RetornoSesion {
    RetornoResultado retorno;        // estado Calculado, or why nothing was done
    ProgresionResultado progresion;  // the progression recomputed when one is on display
    size_t primeraLinea = 0;         // index in Lista of the block's heading
};

// What a step through time moved: nothing (neither a transit nor a progression on display),
// the transit on display, or the progression on display.
enum class PasoMovio { Nada, Transito, Progresion };

struct PasoSesion {
    PasoMovio movio = PasoMovio::Nada;
    TransitoResultado transito;      // when a transit was stepped
    ProgresionResultado progresion;  // when a progression was stepped
};

// The present instant as a universal-time Julian day, from the clock's local date and time
// and its offset. (ChartSessionCalendario.cpp)
double JdAhora(const Clock& clock);

// The rings the wheel shows: the natal chart, and over it a progression and a transit ring
// (a transit, or the bodies of a solar or lunar return).
enum class TipoAnillo { Natal, Progresion, Transito, Retorno };

// A ring on display: what it shows and which chart of Cartas() it belongs to; a transit's or
// a return's ring also its instant and its points.
struct Anillo {
    TipoAnillo tipo = TipoAnillo::Natal;
    size_t carta = 0;                 // index in Cartas()
    std::optional<double> jd;         // universal-time instant of a transit or a return
    std::vector<PuntoAnillo> puntos;  // a transit's or a return's points, in listing order
};

// The hits of the last period search and the technique they were searched by.
struct PeriodoBuscado {
    std::vector<AspectoPeriodo> hits;  // sorted by the exact instant
    TecnicaPeriodo tecnica = TecnicaPeriodo::Transitos;
};

class ChartSession {
  public:
    explicit ChartSession(Ephemeris& eph) : eph_(eph) {}

    NatalRecord DatosNatales;
    ChartFlags flags;
    SistemaCasas HouseSystem = SistemaCasas::Placido;  // survives loading another chart
    // The points and the zodiac of the natal chart (by default the twelve points, tropical);
    // they survive loading another chart.
    std::vector<int> Puntos = PuntosPorDefecto();
    Zodiaco zodiaco = Zodiaco::Tropical;
    Orbes orbes = Orbes::Clasicos;  // the natal aspects' orb set
    ChartTables tables;
    WheelGeometry wheel;  // written by every wheel drawing, read by the rings
    PredictiveState pred;
    std::vector<std::string> Lista;  // the lines of the list box, as last produced
    // The solar-time dialog's choice: 1..4 (sunrise, noon, sunset, midnight), 0 for none.
    int HoraSolarElegida = 0;
    PeriodoBuscado Periodo;

    // The charts held: the first is the chart of the last natal computation (as the tables
    // hold it then), the others were added beside it, a second person's for instance; empty
    // while none was computed. A natal computation replaces the first and keeps the others.
    const std::vector<Carta>& Cartas() const { return cartas_; }
    // Computes rec in the session's house system and adds it after the charts held, leaving
    // the first chart, the tables, Lista and the rings as they were. The ephemeris's error
    // message when it gave no position (nothing is added).
    std::optional<std::string> AgregarCarta(const NatalRecord& rec);

    // The rings on display, the natal one first; empty while no chart has been computed.
    const std::vector<Anillo>& AnillosEnPantalla() const { return anillos_; }
    // Their kinds, in the same order.
    std::vector<TipoAnillo> Anillos() const;
    // The universal-time instant of the transit ring on display (a transit or a return);
    // empty when the wheel shows none.
    std::optional<double> JdTransito() const;
    // The lines of Lista that the progression, transit or return on display wrote: those
    // after the natal aspects list when Lista begins with it, all of Lista when a
    // progression's listing replaced it, none when the natal chart is shown alone.
    std::vector<std::string> ListaPredictiva() const;

    Ephemeris& Eph() { return eph_; }

    // Reads fileName of folder into the natal record. On success the chart is loaded from a
    // file, shown with its own birth time and without a progression; on failure nothing in
    // the session changes.
    ChartReadResult Load(const std::string& folder, const std::string& fileName);
    // The entry form's record was accepted into DatosNatales and flags: a birth time tried on
    // the previous chart does not belong to it, and the list starts empty.
    void Accept();

    // The natal computation: CalcularNatal in the chosen house system and the glyph
    // spreading; Lista becomes the natal aspects. When the ephemeris gave no position the
    // message to show instead of the chart, and Lista is left as it was.
    std::optional<std::string> CalcularNatal();
    // The natal display: CalcularNatal, then the wheel drawn on s when given and the
    // computation succeeded.
    std::optional<std::string> MostrarNatal(Surface* s);
    // The natal wheel of the last computation drawn again on s (clearing it first).
    void DibujarNatal(Surface& s);
    // "Ver solo natal": the progression leaves the display; wheel and aspects again.
    void SoloNatal(Surface* s);

    // Whether a ring is drawn over the natal wheel drawn again (the window, whose surface may
    // hold older rings) or over the one the surface already holds (the headless pipeline,
    // which has just drawn it). The surface keeps its pen and fill from one drawing to the
    // next, so the two are not always the same pixels.
    enum class Natal { Redibujar, YaDibujada };

    // The progression for pred.FechaProgTexto (the solar time's date while pred.HoraSolar)
    // by pred.Tecnica. On success the progressed ring is drawn on s when given, and Lista
    // becomes the progression listing; otherwise nothing changes but what CalcularProgresion
    // says it changes.
    ProgresionResultado Progresar(Surface* s, Natal natal = Natal::Redibujar);
    // The progression to the date typed in the dialog: pred.FechaProgTexto becomes fecha and
    // Progresar runs. A date the engine rejects leaves pred.FechaProgTexto as it was, so the
    // date of the progression on display (which "Fecha de Prog." and a transit's recomputed
    // progression use, and the menu offers again) is never a text that was refused.
    ProgresionResultado ProgresarHasta(const std::string& fecha, Surface* s);
    // "Progresar" of the solar-time dialog: the primary direction to the date at which the
    // directed birth hour reaches the chosen solar time of the birth day (FechaDeHoraSolar),
    // listed under "HORA SOLAR", as Progresar shows it. pred.Tecnica becomes "Primaria";
    // pred.FechaProgTexto is left as it was. With no time chosen, the dialog's message as a
    // refused date, and nothing changes.
    ProgresionResultado ProgresarHoraSolar(Surface* s);
    // A transit for fechaTrans and horaTrans (rewritten as the listing shows them): checks
    // them, computes the positions into Planet, redraws the natal wheel (and the progression
    // when one is on display, which rewrites Lista), draws the transit ring and appends the
    // transits block to Lista. Nothing is drawn or listed when the checks or the ephemeris
    // fail.
    TransitoResultado Transitar(const Clock& clock, Surface* s, std::string& fechaTrans,
                                std::string& horaTrans, Natal natal = Natal::Redibujar);

    // A transit at the universal-time instant jdUT, as Transitar draws and lists it; the
    // listing gives its date and hour ("hh mm") on the birth zone's clock, with the offset
    // that clock showed then (HusoDeInstante). (ChartSessionPaso.cpp)
    TransitoResultado TransitarJD(Surface* s, double jdUT, Natal natal = Natal::Redibujar);

    // Steps what is on display by cuantos days, months or years (DesplazarInstante,
    // DesplazarFecha): the transit's instant on the birth zone's clock when a transit ring is
    // shown, else the progression's date; drawn on s and listed as its own command does,
    // the stepped transit's block taking the place of the one it had. Nothing happens when
    // neither is on display. (ChartSessionPaso.cpp)
    PasoSesion Desplazar(Surface* s, UnidadPaso unidad, int cuantos);
    // The instant of what Desplazar would step, as the window shows it: "Tránsito d m aaaa
    // hh:mm" (birth zone's clock), "Progresión d m aaaa", or empty.
    std::string FechaEnPantalla() const;

    // The first solar or lunar return on or after fecha ("d m aaaa", 0 h of the birth zone;
    // trimmed as the date parser does): as a transit, the bodies of the return go into
    // Planet, the natal wheel (and the progression on display, which rewrites Lista) is drawn
    // again with them as the transit ring, and the return block is appended to Lista.
    // Nothing changes when the date is refused or no return is found. (ChartSessionRetorno.cpp)
    RetornoSesion Retornar(Surface* s, TipoRetorno tipo, std::string& fecha,
                           Natal natal = Natal::Redibujar);

    // Every aspect of the technique's moving points to the sixteen natal points over the
    // period (BuscarAspectosPeriodo), for the natal chart last computed; sorted by the exact
    // instant. They become the session's Periodo, with the technique.
    const std::vector<AspectoPeriodo>& AspectosDelPeriodo(const PeriodoPedido& p);
    // A hit of Periodo drawn: by transits, the transit at its exact instant (TransitarJD);
    // by a progressing technique, the progression by it (direct) to the date of the exact
    // instant on the birth zone's clock, which stays the progression's date only when it is
    // computed. (ChartSessionPaso.cpp)
    PasoSesion MostrarAspectoPeriodo(Surface* s, const AspectoPeriodo& hit);

    // The calendar of the sky over the period (CalendarioCielo); with the contacts of its
    // lunations and eclipses to the natal chart last computed when conCarta. Nothing in the
    // session changes. (ChartSessionCalendario.cpp)
    std::vector<EventoCielo> CalendarioDelPeriodo(const CalendarioPedido& p, bool conCarta);
    // The clock of the calendar's local instants: the chosen zone, else the chart's when
    // conCarta, else UT.
    RelojCalendario RelojDelCalendario(const CalendarioPedido& p, bool conCarta) const;

    // The time map of the period search's hits (AspectosDelPeriodo, ArmarMapaTiempo), the
    // Moon's rows only when conLuna. (ChartSessionCalendario.cpp)
    MapaTiempo MapaDelPeriodo(const PeriodoPedido& p, bool conLuna = false);
    // The map's title: the chart's name, the technique and the period.
    std::string TituloMapa(const PeriodoPedido& p) const;

    // The natal listing window's lines, and the warning when the houses fell back to Porphyry
    // (empty otherwise).
    std::vector<std::string> ListadoNatalLineas() const;
    std::string AvisoCasas() const;
    // The header's caption of the house system.
    std::string CasasCaption() const;

  private:
    // The positions at jd into Planet, the wheel (with the progression on display) and the
    // transit ring drawn, the block listed under fecha and hora.
    TransitoResultado MostrarTransito(Surface* s, double jd, const std::string& fecha,
                                      const std::string& hora, const std::string& lineaHuso,
                                      Natal natal);

    // The rings after a transit ring of this kind was drawn over the wheel.
    void AnillosConTransito(TipoAnillo tipo, double jd, std::vector<PuntoAnillo> puntos,
                            const ProgresionResultado& progresion);
    // The transit ring of the last transit or return (the ten bodies of Planet and the
    // chart's further points) drawn on s.
    void DibujarAnilloTransito(Surface& s) const;

    Ephemeris& eph_;
    size_t lineaTransito_ = 0;  // index in Lista of the heading of the transit on display
    std::vector<Carta> cartas_;
    std::vector<Anillo> anillos_;
    size_t lineasNatales_ = 0;  // how many lines at the head of Lista are the natal aspects
};

}  // namespace natalis
