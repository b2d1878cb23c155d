// The text commands: --listing, --json, --progress, --transit and --help, all over the one
// pipeline of EjecutarCarta, with one ephemeris for the whole run.
#include <algorithm>
#include <memory>
#include <sstream>

#include "app/cli/CartaJson.h"
#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/Orbes.h"

namespace natalis {

namespace {

std::string ListingText(const ChartSession& s) {
    std::vector<std::string> lines = s.ListadoNatalLineas();
    lines.pop_back();  // the window's closing empty line: the aspects follow directly
    const std::vector<std::string> aspects = ListarAspectosOrbes(s.tables.natal, s.orbes);
    lines.insert(lines.end(), aspects.begin(), aspects.end());
    std::ostringstream text;
    for (const std::string& line : lines) text << line << "\n";
    return text.str();
}

std::string JsonText(const ChartSession& s, EphemerisSource source) {
    // One object a line (JSON Lines), so several charts can be read one at a time.
    return ObjetoJson(
        MiembrosCarta(s.tables.natal, s.DatosNatales.NatalName, &s.DatosNatales, source, s.orbes));
}

// How many files the natal commands read before computing them: enough that charts of
// neighbouring dates meet, few enough that the texts held back stay small.
constexpr size_t kLoteCartas = 1000;

// The instant of a loaded chart's birth, to order the computations by (universal-time Julian
// day; the same sum the natal computation starts from, to the day).
double InstanteNatal(const NatalRecord& rec) {
    return JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear) +
           (rec.NatalHour + rec.ZoneHours) / 24.0;
}

// The natal commands: each file computed in a session of its own with the one ephemeris, its
// text printed whole once it is complete. A rejected file gives its message and the run goes
// on with the next; the exit code says whether any was rejected.
//
// The files are read a batch at a time and computed in the order of their birth instants:
// the ephemeris library keeps the file segments of the last instant it was asked, so charts
// of neighbouring dates reuse them instead of reading them again. Texts and messages are
// written afterwards in the order of the files, so the output does not depend on it.
int EachChart(const Args& args, std::ostream& out, std::ostream& err, bool json) {
    const auto o = LeerOpcionesOAvisar(json ? "--json" : "--listing", args, err);
    if (!o) return 2;
    SwissEphemeris eph;
    SystemClock clock;
    int code = 0;
    for (size_t inicio = 0; inicio < o->archivos.size(); inicio += kLoteCartas) {
        const size_t n = std::min(kLoteCartas, o->archivos.size() - inicio);
        std::vector<std::unique_ptr<ChartSession>> sesiones;
        std::vector<std::ostringstream> mensajes(n);
        std::vector<std::string> textos(n);
        std::vector<bool> leida(n);
        std::vector<size_t> orden;
        for (size_t k = 0; k < n; ++k) {
            sesiones.push_back(std::make_unique<ChartSession>(eph));
            leida[k] = CargarCartaHeadless(o->archivos[inicio + k], *sesiones[k], mensajes[k]);
            if (leida[k]) orden.push_back(k);
        }
        std::stable_sort(orden.begin(), orden.end(), [&](size_t a, size_t b) {
            return InstanteNatal(sesiones[a]->DatosNatales) <
                   InstanteNatal(sesiones[b]->DatosNatales);
        });
        for (size_t k : orden) {
            ChartSession& sesion = *sesiones[k];
            CartaHeadless r;
            if (!CalcularCartaHeadless(*o, sesion, clock, nullptr, mensajes[k], r)) {
                leida[k] = false;
                continue;
            }
            const std::string aviso = sesion.AvisoCasas();
            if (!aviso.empty()) mensajes[k] << aviso << "\n";
            textos[k] = json ? JsonText(sesion, eph.Source()) : ListingText(sesion);
            sesiones[k].reset();  // its text is all that is kept of the chart
        }
        for (size_t k = 0; k < n; ++k) {
            err << mensajes[k].str();
            out << textos[k];
            if (!leida[k]) code = 2;
        }
    }
    return code;
}

// The predictive commands: one file, its listing lines from the given one on.
int Predictive(const char* comando, const Args& args, std::ostream& out, std::ostream& err) {
    const auto o = LeerOpcionesOAvisar(comando, args, err);
    if (!o) return 2;
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    CartaHeadless r;
    // The house warning comes as soon as the natal chart is computed, before any later
    // refusal of the date.
    std::ostringstream mensajes;
    const bool ok = EjecutarCarta(*o, o->archivos[0], sesion, clock, nullptr, mensajes, r);
    if (sesion.flags.ChartLoaded) {
        const std::string aviso = sesion.AvisoCasas();
        if (!aviso.empty()) err << aviso << "\n";
    }
    err << mensajes.str();
    if (!ok) return 2;
    if (o->progresion && !r.progresion.aviso.empty()) err << r.progresion.aviso << "\n";
    const size_t desde = o->transito ? r.transito.primeraLinea : 0;
    std::ostringstream text;
    for (size_t i = desde; i < sesion.Lista.size(); ++i) text << sesion.Lista[i] << "\n";
    out << text.str();
    return 0;
}

}  // namespace

int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err) {
    return EachChart(args, out, err, false);
}

int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err) {
    return EachChart(args, out, err, true);
}

int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err) {
    return Predictive("--progress", args, out, err);
}

int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err) {
    return Predictive("--transit", args, out, err);
}

int HeadlessHelp(const Args& args, std::ostream& out, std::ostream& err) {
    if (!LeerOpcionesOAvisar("--help", args, err)) return 2;
    out << UsageText();
    return 0;
}

}  // namespace natalis
