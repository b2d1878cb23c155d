// The one option parser and the one usage text of the headless commands.
#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/session/ExportarColeccion.h"
#include "app/session/PaginasInforme.h"
#include "astro/Puntos.h"
#include "astro/SistemaCasas.h"
#include "astro/Zodiaco.h"
#include "chart/Davison.h"
#include "chart/Orbes.h"
#include "chart/Paleta.h"
#include "predictive/ConsultaCalendario.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/Retorno.h"
#include "predictive/Tecnicas.h"

namespace natalis {

using Args = std::vector<std::string>;

// What a headless command line asks for. Values are checked here; the chart files and the
// dates are checked by the reader and the date parser when they are used.
struct OpcionesHeadless {
    std::string comando;  // "--listing", "--png", "--pdf" ...
    // The words after the command, before any option, in order: chart files and output files,
    // the place searched for (--lugar) or the zone (--huso).
    std::vector<std::string> archivos;
    SistemaCasas casas = SistemaCasas::Placido;
    // --puntos: the rows of the point table (the default set, and those named); --zodiaco and
    // --ayanamsa: the zodiac (sidereal needs an ayanamsa, Lahiri when none is given).
    std::vector<int> puntos = PuntosPorDefecto();
    Zodiaco zodiaco = Zodiaco::Tropical;
    Orbes orbes = Orbes::Clasicos;  // --orbes
    int ancho = 958, alto = 677;    // --size, in pixels
    Tema tema = Tema::Pantalla;     // --tema: "papel" unless given for --pdf
    Papel papel = Papel::A4;        // --papel, for --pdf
    bool simple = false;            // --simple, for --pdf: the wheel and the window's listings
    // --progress group: --tecnica, --fecha, --conversa, --asc-en-arco.
    bool progresion = false;
    TipoTecnica tecnica = TipoTecnica::Primaria;
    std::string fechaProg;
    bool conversa = false, ascEnArco = false;
    // --transit group: --fecha, --hora.
    bool transito = false;
    std::string fechaTrans, horaTrans;
    // --retorno solar|lunar: which return, and --fecha, the date it is searched from.
    bool retorno = false;
    TipoRetorno tipoRetorno = TipoRetorno::Solar;
    std::string fechaRetorno;
    // --periodo: --desde and --hasta (both needed), --orbe, --tecnica; their values are
    // checked by RevisarConsultaPeriodo.
    bool periodo = false;
    ConsultaPeriodo consultaPeriodo;
    // --mapa-tiempo: the period search's options, and --con-luna for the Moon's rows.
    bool conLuna = false;
    // --calendario: --desde and --hasta (both needed), --orbe, --huso; checked by
    // RevisarConsultaCalendario.
    bool calendario = false;
    ConsultaCalendario consultaCalendario;
    // --huso: --fecha and --hora (both needed, checked when used), --longitud (east positive).
    std::string fechaHuso, horaHuso;
    std::optional<std::string> longitud;
    // --sinastria, --compuesta, --davison and --retorno: --json prints the charts as JSON
    // Lines instead of a listing.
    bool json = false;
    // --lugar-medio circulo|medias, for --davison.
    LugarMedio lugarMedio = LugarMedio::Circulo;
    // --lugar TEXTO, for --retorno: the atlas place the return is cast for.
    std::optional<std::string> lugar;
    // --exportar aaf|csv: the format, and --puntos, the points of a CSV (as typed).
    const ChartFormat* formatoExportar = nullptr;
    std::optional<std::string> puntosExportar;
    // --folder, the chart folder, for the commands that use one (--lugar, --carpeta,
    // --importar, --exportar).
    std::optional<std::string> carpeta;
};

struct LecturaOpciones {
    std::optional<OpcionesHeadless> opciones;
    std::string error;  // what goes to standard error when opciones is empty
};

// Reads the command line of `comando` (args[0] is the command's own name and is not read
// again). "--progress" and "--transit" open their option groups (the commands of the same
// names open theirs at the start); "--fecha" belongs to the group opened last. An unknown
// option, a missing value or a wrong number of files gives the usage text. The reason comes
// before the usage text for a value out of its range ("Valor no válido para --size: «abc»"),
// an option the command does not use where it stands ("La opción --houses no se usa con
// --version.", "La opción --hora va tras --transit.") and an option given twice in one group
// ("La opción --fecha está repetida.").
LecturaOpciones LeerOpcionesHeadless(const std::string& comando, const Args& args);

// LeerOpcionesHeadless for a command that answers a refused command line with the reason on
// err (and then exits 2).
std::optional<OpcionesHeadless> LeerOpcionesOAvisar(const std::string& comando, const Args& args,
                                                    std::ostream& err);

// The usage text, printed by --help and after a wrong command line.
const char* UsageText();

}  // namespace natalis
