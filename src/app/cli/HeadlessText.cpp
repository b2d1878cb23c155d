// The text commands: --listing, --json, --progress, --transit and --help, all over the one
// pipeline of EjecutarCarta, with one ephemeris for the whole run.
#include <sstream>

#include "app/cli/CartaJson.h"
#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/EstrellasNatales.h"
#include "chart/Orbes.h"

namespace natalis {

namespace {

std::string ListingText(const ChartSession& s) {
    std::vector<std::string> lines = s.ListadoNatalLineas();
    lines.pop_back();  // the window's closing empty line: the aspects follow directly
    const std::vector<std::string> aspects = ListarAspectosOrbes(s.tables.natal, s.orbes);
    lines.insert(lines.end(), aspects.begin(), aspects.end());
    const std::vector<std::string> estrellas = ListarEstrellas(s.tables.natal);
    lines.insert(lines.end(), estrellas.begin(), estrellas.end());
    std::ostringstream text;
    for (const std::string& line : lines) text << line << "\n";
    return text.str();
}

std::string JsonText(const ChartSession& s, EphemerisSource source) {
    // One object a line (JSON Lines), so several charts can be read one at a time.
    return ObjetoJson(
        MiembrosCarta(s.tables.natal, s.DatosNatales.NatalName, &s.DatosNatales, source, s.orbes));
}

// The natal commands: each file computed in a session of its own with the one ephemeris, its
// text printed whole once it is complete. A rejected file gives its message and the run goes
// on with the next; the exit code says whether any was rejected.
int EachChart(const Args& args, std::ostream& out, std::ostream& err, bool json) {
    const auto o = LeerOpcionesOAvisar(json ? "--json" : "--listing", args, err);
    if (!o) return 2;
    SwissEphemeris eph;
    SystemClock clock;
    int code = 0;
    for (const std::string& file : o->archivos) {
        ChartSession sesion(eph);
        CartaHeadless r;
        if (!EjecutarCarta(*o, file, sesion, clock, nullptr, err, r)) {
            code = 2;
            continue;
        }
        const std::string aviso = sesion.AvisoCasas();
        if (!aviso.empty()) err << aviso << "\n";
        out << (json ? JsonText(sesion, eph.Source()) : ListingText(sesion));
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
