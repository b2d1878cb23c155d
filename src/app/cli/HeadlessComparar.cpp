// natalis --sinastria, --compuesta, --davison A.dat B.dat and --retorno with --lugar or
// --json: charts drawn from two charts or from a return, listed like --listing or printed as
// JSON Lines (one object a line, each with its "kind").
#include <filesystem>
#include <sstream>

#include "app/cli/CartaJson.h"
#include "app/cli/CartasDibujo.h"
#include "app/cli/Headless.h"
#include "app/cli/HeadlessChart.h"
#include "app/cli/JsonText.h"
#include "app/model/Atlas.h"
#include "app/model/ChartFolderSetup.h"
#include "app/model/Cp1252.h"
#include "app/model/SystemClock.h"
#include "astro/InstanteCivil.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/Compuesta.h"
#include "chart/ListadoNatal.h"
#include "chart/Sinastria.h"
#include "predictive/RetornoCarta.h"

namespace natalis {

namespace {

// How the command's charts are computed: the chart options it was given (house system,
// zodiac, points, fixed stars), the same for every chart it casts.
OpcionesCarta OpcionesDeCarta(const OpcionesHeadless& o) {
    OpcionesCarta opciones;
    opciones.casas = o.casas;
    opciones.zodiaco = o.zodiaco;
    opciones.puntos = o.puntos;
    opciones.estrellas = o.estrellas;
    return opciones;
}

// The chart of a file through the one pipeline (the same refusals as --listing), with the
// house warning on err.
std::optional<Carta> LeerCarta(const OpcionesHeadless& o, const std::string& archivo,
                               Ephemeris& eph, std::ostream& err) {
    SystemClock clock;
    ChartSession sesion(eph);
    CartaHeadless r;
    OpcionesHeadless natal = o;
    natal.progresion = natal.transito = false;
    if (!EjecutarCarta(natal, archivo, sesion, clock, nullptr, err, r)) return std::nullopt;
    const std::string aviso = sesion.AvisoCasas();
    if (!aviso.empty()) err << aviso << "\n";
    return CalcularCarta(sesion.DatosNatales, OpcionesDeCarta(o), eph);
}

// The listing of a chart: its title (when it has one), the moment and place it is cast for
// (when it has a record), the natal listing and the aspects list.
std::string Listado(const Carta& c) {
    std::vector<std::string> lines;
    if (!c.titulo.empty()) lines.push_back(c.titulo);
    if (c.nacimiento && c.tipo != TipoCarta::Natal) {
        const NatalRecord& r = *c.nacimiento;
        std::string lugar = r.Place;
        lugar.erase(lugar.find_last_not_of(' ') + 1);
        lines.push_back(r.FechaNatalTexto + " " + r.TimeText + " (UT" +
                        (r.ZoneHours > 0 ? "-" : "+") + r.ZoneText + ") " + lugar + " " +
                        r.LatText + " " + r.LonText);
    }
    std::vector<std::string> l = ListadoNatal(c.natal);
    l.pop_back();  // the window's closing empty line: the aspects follow directly
    lines.insert(lines.end(), l.begin(), l.end());
    const std::vector<std::string> a = ListarAspectos(c.natal);
    lines.insert(lines.end(), a.begin(), a.end());
    std::ostringstream os;
    for (const std::string& line : lines) os << line << "\n";
    return os.str();
}

std::string Json(const Carta& c, EphemerisSource source) {
    std::vector<MiembroJson> m = {{"kind", JsonString(NombreTipoCarta(c.tipo)), {}, false}};
    if (!c.titulo.empty()) m.push_back({"title", JsonString(c.titulo), {}, false});
    const std::string nombre = c.nacimiento ? c.nacimiento->NatalName : c.titulo;
    for (MiembroJson& x :
         MiembrosCarta(c.natal, nombre, c.nacimiento ? &*c.nacimiento : nullptr, source)) {
        m.push_back(std::move(x));
    }
    return ObjetoJson(m);
}

std::string SinastriaJson(const Carta& a, const Carta& b, const Sinastria& s) {
    std::vector<std::string> aspectos;
    for (const AspectoHallado& h : s.aspectos) {
        aspectos.push_back(
            "{\"from\": " + JsonString(EtiquetaPuntoAspecto(a.natal, s.puntosA[h.a])) +
            ", \"to\": " + JsonString(EtiquetaPuntoAspecto(b.natal, s.puntosB[h.b])) +
            ", \"aspect\": " + JsonString(TablaAspectos[h.k].Nombre) + ", \"orb\": " +
            JsonNumber(h.orbe) + ", \"phase\": " + JsonString(TextoFase(h.fase)) + "}");
    }
    const auto casas = [](const Carta& de, const std::vector<int>& c) {
        std::vector<std::string> items;
        for (size_t i = 1; i < c.size(); ++i) {
            items.push_back("{\"label\": " +
                            JsonString(TrimBlanks(EtiquetaPlaneta(de.natal.Puntos[i - 1] + 1))) +
                            ", \"house\": " + std::to_string(c[i]) + "}");
        }
        return items;
    };
    return ObjetoJson({{"kind", JsonString("sinastria"), {}, false},
                       {"first", JsonString(NombreCarta(a)), {}, false},
                       {"second", JsonString(NombreCarta(b)), {}, false},
                       {"aspects", {}, aspectos, true},
                       {"secondInFirstHouses", {}, casas(b, s.casasEnA), true},
                       {"firstInSecondHouses", {}, casas(a, s.casasEnB), true}});
}

// The atlas place of --lugar (its first match); nothing, with the message on err, when the
// atlas has none.
std::optional<LugarCarta> LugarDelAtlas(const std::string& texto, std::ostream& err) {
    std::string folder = ProcessChartFolder(std::nullopt).chartFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const Atlas atlas = Atlas::Load(SystemAtlasFile(), folder);
    const std::vector<Place> found = atlas.Search(texto, 1);
    if (found.empty()) {
        err << LugarNoEncontrado(texto) << "\n";
        return std::nullopt;
    }
    return LugarDeAtlas(found.front());
}

// The return found at jd as a chart of its own at the place of o.lugar (the birth place
// without it), with the natal chart it returns to.
std::optional<std::pair<Carta, Carta>> CartasRetorno(const OpcionesHeadless& o,
                                                     ChartSession& sesion, double jd,
                                                     Ephemeris& eph, std::ostream& err) {
    Carta natal = CalcularCarta(sesion.DatosNatales, OpcionesDeCarta(o), eph);
    LugarCarta lugar = LugarNatal(sesion.DatosNatales);
    if (o.lugar) {
        const auto l = LugarDelAtlas(*o.lugar, err);
        if (!l) return std::nullopt;
        lugar = *l;
    }
    CartaRetornoResultado r = CartaDeRetorno(o.tipoRetorno, natal, jd, lugar, eph);
    if (!r.ok) {
        err << r.mensaje << "\n";
        return std::nullopt;
    }
    return std::make_pair(std::move(natal), std::move(r.carta));
}

enum class Comparacion { Sinastria, Compuesta, Davison };

int Comparar(const char* comando, Comparacion tipo, const Args& args, std::ostream& out,
             std::ostream& err) {
    const auto o = LeerOpcionesOAvisar(comando, args, err);
    if (!o) return 2;
    SwissEphemeris eph;
    const auto a = LeerCarta(*o, o->archivos[0], eph, err);
    if (!a) return 2;
    const auto b = LeerCarta(*o, o->archivos[1], eph, err);
    if (!b) return 2;
    std::string texto;
    switch (tipo) {
        case Comparacion::Sinastria: {
            const Sinastria s = CalcularSinastria(a->natal, b->natal);
            if (o->json) {
                texto = Json(*a, eph.Source()) + Json(*b, eph.Source()) + SinastriaJson(*a, *b, s);
            } else {
                std::ostringstream os;
                os << "SINASTRÍA DE " << NombreCarta(*a) << " Y " << NombreCarta(*b) << "\n\n"
                   << NombreCarta(*a) << "\n"
                   << Listado(*a) << NombreCarta(*b) << "\n"
                   << Listado(*b);
                for (const std::string& line : ListarSinastria(*a, *b, s)) os << line << "\n";
                texto = os.str();
            }
            break;
        }
        case Comparacion::Compuesta: {
            const Carta c = CalcularCompuesta(*a, *b);
            const std::string aviso = AvisoCasasPorfirio(c.natal.Casas);
            if (!aviso.empty()) err << aviso << "\n";
            texto = o->json ? Json(c, eph.Source()) : Listado(c);
            break;
        }
        case Comparacion::Davison: {
            if (!a->nacimiento || !b->nacimiento) return 2;
            const Carta c = CalcularDavison(*a, *b, o->lugarMedio, eph);
            const std::string aviso = AvisoCasasPorfirio(c.natal.Casas);
            if (!aviso.empty()) err << aviso << "\n";
            texto = o->json ? Json(c, eph.Source()) : Listado(c);
            break;
        }
    }
    out << texto;
    return 0;
}

}  // namespace

int HeadlessSinastria(const Args& args, std::ostream& out, std::ostream& err) {
    return Comparar("--sinastria", Comparacion::Sinastria, args, out, err);
}

int HeadlessCompuesta(const Args& args, std::ostream& out, std::ostream& err) {
    return Comparar("--compuesta", Comparacion::Compuesta, args, out, err);
}

int HeadlessDavison(const Args& args, std::ostream& out, std::ostream& err) {
    return Comparar("--davison", Comparacion::Davison, args, out, err);
}

int RetornoComoCarta(const OpcionesHeadless& o, ChartSession& sesion, double jd, Ephemeris& eph,
                     std::ostream& out, std::ostream& err) {
    const auto cartas = CartasRetorno(o, sesion, jd, eph, err);
    if (!cartas) return 2;
    out << (o.json ? Json(cartas->second, eph.Source()) : Listado(cartas->second));
    return 0;
}

std::optional<Carta> CartaAhora(const OpcionesHeadless& o, const Clock& clock, Ephemeris& eph,
                                std::ostream& err) {
    // Greenwich, in universal time, unless a place is asked for.
    LugarCarta lugar{"Greenwich", 51.4769, 0, "", 0};
    if (o.lugar) {
        const auto l = LugarDelAtlas(*o.lugar, err);
        if (!l) return std::nullopt;
        lugar = *l;
    }
    const OpcionesCarta opciones = OpcionesDeCarta(o);
    std::string error;
    auto c = CalcularCartaAhora(JdAhora(clock), lugar, opciones, eph, error);
    if (!c) err << error << "\n";
    return c;
}

int HeadlessAhora(const Args& args, std::ostream& out, std::ostream& err) {
    const auto o = LeerOpcionesOAvisar("--ahora", args, err);
    if (!o) return 2;
    SwissEphemeris eph;
    SystemClock clock;
    const auto c = CartaAhora(*o, clock, eph, err);
    if (!c) return 2;
    const std::string aviso = AvisoCasasPorfirio(c->natal.Casas);
    if (!aviso.empty()) err << aviso << "\n";
    out << (o->json ? Json(*c, eph.Source()) : Listado(*c));
    return 0;
}

std::optional<CartasDibujo> CalcularCartasDibujo(const OpcionesHeadless& o, const Clock& clock,
                                                 Ephemeris& eph, std::ostream& err) {
    if (o.comando == "--ahora") {
        auto c = CartaAhora(o, clock, eph, err);
        if (!c) return std::nullopt;
        return CartasDibujo{std::move(*c), std::nullopt, std::nullopt};
    }
    if (o.comando == "--retorno") {
        ChartSession sesion(eph);
        const auto r = RetornoDeArchivo(o, sesion, clock, err);
        if (!r) return std::nullopt;
        auto cartas = CartasRetorno(o, sesion, r->retorno.jd, eph, err);
        if (!cartas) return std::nullopt;
        Sinastria cruce = CalcularSinastria(cartas->first.natal, cartas->second.natal);
        return CartasDibujo{std::move(cartas->first), std::move(cartas->second), std::move(cruce)};
    }
    const auto a = LeerCarta(o, o.archivos[0], eph, err);
    if (!a) return std::nullopt;
    const auto b = LeerCarta(o, o.archivos[1], eph, err);
    if (!b) return std::nullopt;
    if (o.comando == "--sinastria") {
        Sinastria cruce = CalcularSinastria(a->natal, b->natal);
        return CartasDibujo{*a, *b, std::move(cruce)};
    }
    Carta c = o.comando == "--compuesta" ? CalcularCompuesta(*a, *b)
                                         : CalcularDavison(*a, *b, o.lugarMedio, eph);
    const std::string aviso = AvisoCasasPorfirio(c.natal.Casas);
    if (!aviso.empty()) err << aviso << "\n";
    return CartasDibujo{std::move(c), std::nullopt, std::nullopt};
}

}  // namespace natalis
