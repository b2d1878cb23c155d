#include "app/session/InformeCompleto.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/session/InformeCarta.h"
#include "astro/AngleMath.h"
#include "astro/SistemaCasas.h"
#include "astro/TextTrim.h"
#include "astro/Zodiaco.h"
#include "chart/Aspects.h"
#include "chart/Glyphs.h"
#include "chart/NombresCarta.h"
#include "chart/TextoFase.h"
#include "predictive/Tecnicas.h"

namespace natalis {

namespace {

// Degrees as "2° 15'", the minutes rounded (halves to even), 60 carried into the degree.
std::string Orbe(double grados) {
    long g = static_cast<long>(std::floor(grados));
    long m = std::lround(std::nearbyint((grados - static_cast<double>(g)) * 60.0));
    if (m > 59) {
        ++g;
        m = 0;
    }
    return std::to_string(g) + "° " + (m < 10 ? "0" : "") + std::to_string(m) + "'";
}

// "tropical", or "sideral (Lahiri)" with the ayanamsa's name.
std::string NombreZodiaco(Zodiaco z) {
    if (z == Zodiaco::Tropical) return "tropical";
    return std::string("sideral (") + FilaZodiaco(z).caption + ")";
}

// The time's zone and where it came from: the zone database's reading, or typed by hand.
std::string FuenteHuso(const NatalRecord& r) {
    const ZoneSource& z = r.ZoneFrom;
    if (!z.FromDatabase()) return "huso indicado a mano";
    std::string fuente = z.zone;
    if (!z.abbreviation.empty()) fuente += ", " + z.abbreviation;
    if (z.summerTime) fuente += ", horario de verano";
    if (z.localMeanTime) fuente += ", hora media local";
    fuente += ", base de husos horarios";
    if (!z.tzdataVersion.empty()) fuente += " " + z.tzdataVersion;
    return fuente;
}

BloqueInforme Datos(const ChartSession& s) {
    const NatalRecord& r = s.DatosNatales;
    BloqueInforme b;
    b.tipo = BloqueInforme::Tipo::Datos;
    b.titulo = TrimBlanks(r.NatalName);
    const std::string hora = s.pred.HoraTexto.empty() ? r.TimeText : s.pred.HoraTexto;
    b.lineas.push_back("Fecha de nacimiento: " + r.FechaNatalTexto);
    b.lineas.push_back("Hora: " + hora + ", huso " + r.ZoneSign + r.ZoneText + " (" +
                       FuenteHuso(r) + ")");
    const std::string lugar = TrimBlanks(r.Place);
    b.lineas.push_back("Lugar: " + (lugar.empty() ? std::string("sin nombre") : lugar) +
                       ", latitud " + r.LatText + ", longitud " + r.LonText);
    // The house system alone: the wheel's caption also names a sidereal zodiac, said here
    // after it.
    const bool respaldo = s.flags.ChartLoaded && s.tables.natal.Casas.respaldoPorfirio;
    b.lineas.push_back("Casas: " + CaptionCasas(s.HouseSystem, respaldo) +
                       "    Zodíaco: " + NombreZodiaco(s.tables.natal.zodiaco));
    return b;
}

BloqueInforme Tabla(const std::string& titulo, std::vector<ColumnaTabla> columnas) {
    BloqueInforme b;
    b.tipo = BloqueInforme::Tipo::Tabla;
    b.titulo = titulo;
    b.tabla.columnas = std::move(columnas);
    return b;
}

BloqueInforme Puntos(const NatalTables& t) {
    BloqueInforme b = Tabla("Posiciones", {{"", 18, LetraCelda::Glifo},
                                           {"Punto", 122},
                                           {"", 18, LetraCelda::Glifo},
                                           {"Signo", 86},
                                           {"Grado", 56},
                                           {"Casa", 40},
                                           {"", 24}});
    for (size_t i = 1; i < t.PlanetaNatal.size() && i <= t.Puntos.size(); ++i) {
        const PuntoNatal& p = t.PlanetaNatal[i];
        const int fila = t.Puntos[i - 1];
        const LugarEnSigno l = LugarZodiacal(p.Lon);
        b.tabla.filas.push_back(
            {GlifoPlaneta(fila + 1), NombrePunto(FilaPunto(fila).Etiqueta), GlifoSigno(l.signo),
             NombreSigno(l.signo), GradosMinutos(l.grado, l.minutos),
             std::to_string(CasaDeLongitud(p.Lon, t.CuspideNatal)), p.Vel < 0 ? "R" : ""});
    }
    return b;
}

std::string NombreCasa(int i) {
    if (i == 1) return "1 (Ascendente)";
    if (i == 10) return "10 (Medio Cielo)";
    return std::to_string(i);
}

BloqueInforme Cuspides(const NatalTables& t, const std::string& sistema) {
    BloqueInforme b =
        Tabla("Cúspides de las casas (" + sistema + ")",
              {{"Casa", 122}, {"", 18, LetraCelda::Glifo}, {"Signo", 86}, {"Grado", 56}});
    for (int i = 1; i <= 12; ++i) {
        const LugarEnSigno l = LugarZodiacal(t.CuspideNatal[static_cast<size_t>(i)].Lon);
        b.tabla.filas.push_back({NombreCasa(i), GlifoSigno(l.signo), NombreSigno(l.signo),
                                 GradosMinutos(l.grado, l.minutos)});
    }
    return b;
}

// A natal point of the aspect routine (Id > 0 a row of PlanetaNatal, -1 the Ascendant, -10
// the Midheaven): its glyph, how the glyph is set, and its full name.
struct Nombrado {
    std::string glifo;
    LetraCelda letra;
    std::string nombre;
};
Nombrado Nombrar(const NatalTables& t, int id) {
    if (id == -1) return {"Asc", LetraCelda::Texto, "Ascendente"};
    if (id == -10) return {"MC", LetraCelda::Texto, "Medio Cielo"};
    const int fila = t.Puntos[static_cast<size_t>(id - 1)];
    return {GlifoPlaneta(fila + 1), LetraCelda::Glifo, NombrePunto(FilaPunto(fila).Etiqueta)};
}

// The phase in words; a dash where the chart holds no speeds (the angles).
std::string FaseEnPalabras(FaseAspecto f) {
    const std::string texto = TextoFase(f);
    return texto.empty() ? "—" : texto;
}

// Every pair of the natal aspects list once: each aspecting point with those after it and
// with the angles (the angles are not paired with each other, as in the list).
std::vector<AspectoHallado> AspectosUnaVez(const std::vector<PuntoAspecto>& todos,
                                           const ReglaOrbe& regla) {
    std::vector<AspectoHallado> unaVez;
    for (const AspectoHallado& h : BuscarAspectos(todos, todos, regla, ParesAspecto::UnaVez)) {
        if (todos[static_cast<size_t>(h.a)].Id < 0 && todos[static_cast<size_t>(h.b)].Id < 0) {
            continue;
        }
        unaVez.push_back(h);
    }
    return unaVez;
}

BloqueInforme Rejilla(const NatalTables& t, const std::vector<PuntoAspecto>& todos,
                      const std::vector<AspectoHallado>& hallados) {
    BloqueInforme b;
    b.tipo = BloqueInforme::Tipo::Rejilla;
    b.titulo = "Rejilla de aspectos (símbolo y orbe)";
    RejillaAspectos& r = b.rejilla;
    const size_t n = todos.size();
    for (const PuntoAspecto& p : todos) {
        const Nombrado nm = Nombrar(t, p.Id);
        r.glifos.push_back(nm.glifo);
        r.letras.push_back(nm.letra);
    }
    r.simbolo.assign(n, std::vector<std::string>(n));
    r.orbe.assign(n, std::vector<std::string>(n));
    for (const AspectoHallado& h : hallados) {
        const size_t i = static_cast<size_t>(std::max(h.a, h.b));
        const size_t j = static_cast<size_t>(std::min(h.a, h.b));
        r.simbolo[i][j] = GlifoAspecto(h.k);
        r.orbe[i][j] = Orbe(h.orbe);
    }
    return b;
}

BloqueInforme ListaAspectos(const NatalTables& t, const std::vector<PuntoAspecto>& todos,
                            const std::vector<AspectoHallado>& hallados) {
    BloqueInforme b = Tabla("Aspectos", {{"", 18, LetraCelda::Glifo},
                                         {"Punto", 92},
                                         {"", 16, LetraCelda::Simbolo},
                                         {"Aspecto", 104},
                                         {"", 18, LetraCelda::Glifo},
                                         {"Punto", 92},
                                         {"Orbe", 52},
                                         {"Fase", 70}});
    for (const AspectoHallado& h : hallados) {
        const Nombrado a = Nombrar(t, todos[static_cast<size_t>(h.a)].Id);
        const Nombrado c = Nombrar(t, todos[static_cast<size_t>(h.b)].Id);
        // The angles' short names are words of the sans: their glyph cell stays empty.
        b.tabla.filas.push_back({a.letra == LetraCelda::Glifo ? a.glifo : "", a.nombre,
                                 GlifoAspecto(h.k), NombreAspecto(h.k),
                                 c.letra == LetraCelda::Glifo ? c.glifo : "", c.nombre,
                                 Orbe(h.orbe), FaseEnPalabras(h.fase)});
    }
    return b;
}

// The balances: the aspecting points (the bodies) counted once each by their sign's element
// and modality, and by their house's hemispheres and quadrant.
std::vector<BloqueInforme> Balances(const NatalTables& t) {
    struct Grupo {
        std::string nombre;
        std::vector<std::string> puntos;
    };
    std::vector<Grupo> elementos, modalidades, hemisferios, cuadrantes;
    for (const char* e : kNombresElementos) elementos.push_back({e, {}});
    for (const char* m : kNombresModalidades) modalidades.push_back({m, {}});
    hemisferios = {{"Norte (casas 1 a 6)", {}},
                   {"Sur (casas 7 a 12)", {}},
                   {"Este (casas 10 a 3)", {}},
                   {"Oeste (casas 4 a 9)", {}}};
    cuadrantes = {{"I (casas 1 a 3)", {}},
                  {"II (casas 4 a 6)", {}},
                  {"III (casas 7 a 9)", {}},
                  {"IV (casas 10 a 12)", {}}};
    for (int i : IndicesAspectoNatal(t)) {
        const PuntoNatal& p = t.PlanetaNatal[static_cast<size_t>(i)];
        const std::string nombre =
            NombrePunto(FilaPunto(t.Puntos[static_cast<size_t>(i - 1)]).Etiqueta);
        const int signo = LugarZodiacal(p.Lon).signo;
        const int casa = CasaDeLongitud(p.Lon, t.CuspideNatal);
        elementos[static_cast<size_t>(ElementoSigno(signo))].puntos.push_back(nombre);
        modalidades[static_cast<size_t>(ModalidadSigno(signo))].puntos.push_back(nombre);
        hemisferios[casa <= 6 ? 0 : 1].puntos.push_back(nombre);
        hemisferios[casa >= 10 || casa <= 3 ? 2 : 3].puntos.push_back(nombre);
        cuadrantes[static_cast<size_t>((casa - 1) / 3)].puntos.push_back(nombre);
    }
    std::vector<BloqueInforme> bloques;
    BloqueInforme regla;
    regla.tipo = BloqueInforme::Tipo::Texto;
    regla.titulo = "Balances";
    regla.lineas = {
        "Cuentan los planetas, del Sol a Plutón, uno cada uno; el Nodo Norte, la Parte de la",
        "Fortuna y los ángulos no cuentan. Elementos y modalidades, por el signo de cada",
        "planeta; hemisferios y cuadrantes, por su casa.",
    };
    bloques.push_back(regla);
    const auto tabla = [&bloques](const char* titulo, const std::vector<Grupo>& grupos) {
        BloqueInforme b = Tabla(titulo, {{"", 122}, {"Cantidad", 56}, {"Planetas", 330}});
        for (const Grupo& g : grupos) {
            std::string lista;
            for (const std::string& p : g.puntos) lista += (lista.empty() ? "" : ", ") + p;
            b.tabla.filas.push_back({g.nombre, std::to_string(g.puntos.size()), lista});
        }
        bloques.push_back(std::move(b));
    };
    tabla("Elementos", elementos);
    tabla("Modalidades", modalidades);
    tabla("Hemisferios", hemisferios);
    tabla("Cuadrantes", cuadrantes);
    return bloques;
}

// The wheel with its rings, its legend, and the listing in full words.
std::vector<BloqueInforme> Predictivas(const ChartSession& s) {
    const bool progresion = s.pred.HayProgresion;
    const bool transito = s.JdTransito().has_value();
    if (!progresion && !transito) return {};
    // A return is drawn as a transit ring of its own instant; the legend names it.
    const std::vector<TipoAnillo>& anillos = s.Anillos();
    const bool retorno =
        std::find(anillos.begin(), anillos.end(), TipoAnillo::Retorno) != anillos.end();
    const char* exterior = retorno ? "Retorno" : "Tránsito";
    BloqueInforme rueda;
    rueda.tipo = BloqueInforme::Tipo::Rueda;
    rueda.dibujo = DibujoRueda::Anillos;
    rueda.titulo = progresion && transito
                       ? std::string("Progresión y ") + (retorno ? "retorno" : "tránsito")
                   : progresion ? std::string("Progresión")
                                : std::string(exterior);
    rueda.lineas.push_back("Círculo interior: la carta natal (planetas en ocre).");
    if (progresion) {
        rueda.lineas.push_back(std::string(transito ? "Anillo medio" : "Anillo exterior") +
                               ": la progresión por " + FilaTecnica(s.pred.Tecnica).caption +
                               " al " + s.pred.FechaProgTexto + " (planetas en verde).");
    }
    if (transito) {
        std::string cuando = s.FechaEnPantalla();
        const std::string prefijo = "Tránsito ";
        if (cuando.rfind(prefijo, 0) == 0) cuando = cuando.substr(prefijo.size());
        rueda.lineas.push_back(std::string("Anillo exterior: los planetas ") +
                               (retorno ? "del retorno, el " : "en tránsito el ") + cuando +
                               " (en azul).");
    }
    std::vector<BloqueInforme> bloques = {rueda};
    BloqueInforme listado = Tabla(
        progresion && transito
            ? std::string("Listado de la progresión y el ") + (retorno ? "retorno" : "tránsito")
        : progresion ? std::string("Listado de la progresión")
                     : std::string("Listado del ") + (retorno ? "retorno" : "tránsito"),
        {{"", 0}});
    for (const std::string& l : s.ListaPredictiva()) {
        if (l.find_first_not_of(" \u2014") == std::string::npos) continue;  // rules and blanks
        listado.tabla.filas.push_back({EnPalabras(l)});
    }
    if (!listado.tabla.filas.empty()) bloques.push_back(std::move(listado));
    return bloques;
}

}  // namespace

RejillaAspectos RejillaNatal(const NatalTables& t, Orbes orbes) {
    const std::vector<PuntoAspecto> todos = PuntosAspectoNatal(t, true);
    return Rejilla(t, todos, AspectosUnaVez(todos, ReglaOrbesNatal(t, orbes))).rejilla;
}

InformeCompleto ArmarInformeCompleto(const ChartSession& s) {
    const NatalTables& t = s.tables.natal;
    InformeCompleto informe;
    informe.nombre = TrimBlanks(s.DatosNatales.NatalName);
    informe.bloques.push_back(Datos(s));
    BloqueInforme rueda;
    rueda.tipo = BloqueInforme::Tipo::Rueda;
    informe.bloques.push_back(rueda);
    informe.bloques.push_back(Puntos(t));
    informe.bloques.push_back(Cuspides(t, s.CasasCaption()));
    const std::vector<PuntoAspecto> todos = PuntosAspectoNatal(t, true);
    const std::vector<AspectoHallado> hallados = AspectosUnaVez(todos, ReglaOrbesNatal(t, s.orbes));
    informe.bloques.push_back(Rejilla(t, todos, hallados));
    informe.bloques.push_back(ListaAspectos(t, todos, hallados));
    for (BloqueInforme& b : Balances(t)) informe.bloques.push_back(std::move(b));
    for (BloqueInforme& b : Predictivas(s)) {
        informe.bloques.push_back(std::move(b));
    }
    return informe;
}

std::string EnPalabras(const std::string& linea) {
    std::string salida;
    size_t i = 0;
    while (i < linea.size()) {
        if (linea[i] == ' ') {
            salida += linea[i++];
            continue;
        }
        const size_t fin = std::min(linea.find(' ', i), linea.size());
        const std::string palabra = linea.substr(i, fin - i);
        i = fin;
        std::string nueva = NombrePunto(palabra);
        if (nueva == palabra) nueva = NombreAspectoAbreviado(palabra);
        if (nueva == palabra && palabra == "r") nueva = "retrógrado";
        // A cusp label of the listings: "C2" .. "C12".
        if (nueva == palabra && palabra.size() >= 2 && palabra.size() <= 3 && palabra[0] == 'C' &&
            palabra.find_first_not_of("0123456789", 1) == std::string::npos) {
            nueva = "Casa " + palabra.substr(1);
        }
        // A zodiac place as ZodiacString writes it: "05Ari30".
        if (nueva == palabra && palabra.size() == 7 &&
            std::isdigit(static_cast<unsigned char>(palabra[0])) &&
            std::isdigit(static_cast<unsigned char>(palabra[1])) &&
            std::isdigit(static_cast<unsigned char>(palabra[5])) &&
            std::isdigit(static_cast<unsigned char>(palabra[6]))) {
            const int signo = SignoDeEtiqueta(palabra.substr(2, 3));
            if (signo > 0) {
                nueva = palabra.substr(0, 2) + "° " + NombreSigno(signo) + " " +
                        palabra.substr(5, 2) + "'";
            }
        }
        salida += nueva;
    }
    return salida;
}

double AltoBloque(const BloqueInforme& b, double ladoRueda) {
    const double titulo = b.titulo.empty() ? 0 : kAltoTitulo;
    const double lineas = static_cast<double>(b.lineas.size()) * kAltoLinea;
    switch (b.tipo) {
        case BloqueInforme::Tipo::Datos:
            return kAltoNombreInforme + lineas;
        case BloqueInforme::Tipo::Rueda:
            return titulo + ladoRueda + lineas;
        case BloqueInforme::Tipo::Tabla:
            return titulo + kAltoFila * static_cast<double>(1 + b.tabla.filas.size());
        case BloqueInforme::Tipo::Rejilla:
            return titulo + kLadoCelda * static_cast<double>(b.rejilla.glifos.size());
        case BloqueInforme::Tipo::Texto:
            return titulo + lineas;
    }
    return 0;
}

ColocacionInforme PaginarBloques(const InformeCompleto& informe, double anchoPt, double altoPt) {
    ColocacionInforme c;
    const std::vector<BloqueInforme>& bloques = informe.bloques;
    // The wheel of page 1 as large as leaves room for the block after it.
    c.ladoRueda = kRuedaMaxima * anchoPt;
    for (size_t i = 0; i < bloques.size(); ++i) {
        if (bloques[i].tipo != BloqueInforme::Tipo::Rueda) continue;
        double resto = altoPt - AltoBloque(bloques[i], 0);
        for (size_t k = 0; k < i; ++k) resto -= AltoBloque(bloques[k], 0) + kEntreBloques;
        if (i + 1 < bloques.size()) resto -= kEntreBloques + AltoBloque(bloques[i + 1], 0);
        c.ladoRueda = std::clamp(resto, kRuedaMinima * anchoPt, kRuedaMaxima * anchoPt);
        break;
    }
    // Never higher than a page can hold with its legend.
    double y = 0;
    for (size_t i = 0; i < bloques.size(); ++i) {
        const double alto = AltoBloque(bloques[i], c.ladoRueda);
        if (c.paginas.empty() || (!c.paginas.back().empty() && y + alto > altoPt)) {
            c.paginas.emplace_back();
            y = 0;
        }
        c.paginas.back().push_back({i, y, alto});
        y += alto + kEntreBloques;
    }
    return c;
}

void PartirTablas(InformeCompleto& informe, size_t filasMax) {
    const size_t porTabla = std::max<size_t>(1, filasMax);
    std::vector<BloqueInforme> partidos;
    for (BloqueInforme& b : informe.bloques) {
        if (b.tipo != BloqueInforme::Tipo::Tabla || b.tabla.filas.size() <= porTabla) {
            partidos.push_back(std::move(b));
            continue;
        }
        const std::vector<std::vector<std::string>> filas = std::move(b.tabla.filas);
        for (size_t desde = 0; desde < filas.size(); desde += porTabla) {
            BloqueInforme parte = b;
            if (desde > 0) parte.titulo = b.titulo + " (continuación)";
            const size_t hasta = std::min(filas.size(), desde + porTabla);
            parte.tabla.filas.assign(filas.begin() + static_cast<long>(desde),
                                     filas.begin() + static_cast<long>(hasta));
            partidos.push_back(std::move(parte));
        }
    }
    informe.bloques = std::move(partidos);
}

}  // namespace natalis
