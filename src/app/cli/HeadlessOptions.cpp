#include "app/cli/HeadlessOptions.h"

#include <cctype>
#include <set>
#include <utility>

#include "astro/CatalogoEstrellas.h"

namespace natalis {

namespace {

enum class Grupo { Ninguno, Progresion, Transito, Retorno, Periodo, Huso, Calendario, Exportar };

// What each command takes: how many files, and which options.
struct Regla {
    const char* comando;
    size_t minArchivos, maxArchivos;
    bool casas;       // --houses
    bool tamano;      // --size
    bool anillos;     // the --progress and --transit groups
    Grupo implicito;  // the group the command itself opens
    bool tema;        // --tema
    Tema temaPorOmision;
    bool papel;               // --papel
    bool carpeta;             // --folder
    bool json = false;        // --json as an option
    bool lugarMedio = false;  // --lugar-medio
    bool lugar = false;       // --lugar TEXTO as an option
    bool dibujo = false;      // --png, --svg or --pdf SALIDA as an option (with --size, --tema)
};

constexpr size_t kSinLimite = static_cast<size_t>(-1);

constexpr Regla kReglas[] = {
    {"--listing", 1, kSinLimite, true, false, false, Grupo::Ninguno, false, Tema::Pantalla, false,
     false},
    {"--json", 1, kSinLimite, true, false, false, Grupo::Ninguno, false, Tema::Pantalla, false,
     false},
    {"--png", 2, 2, true, true, true, Grupo::Ninguno, true, Tema::Pantalla, false, false},
    {"--progress", 1, 1, true, false, false, Grupo::Progresion, false, Tema::Pantalla, false,
     false},
    {"--transit", 1, 1, true, false, false, Grupo::Transito, false, Tema::Pantalla, false, false},
    {"--svg", 2, 2, true, true, true, Grupo::Ninguno, true, Tema::Pantalla, false, false},
    // Paper is what a PDF is for: the screen's dark palette wastes ink and prints muddy.
    {"--pdf", 2, 2, true, false, true, Grupo::Ninguno, true, Tema::Papel, true, false},
    // The word naming the return (solar, lunar) comes before the file.
    {"--retorno", 1, 1, true, true, false, Grupo::Retorno, true, Tema::Pantalla, true, false, true,
     false, true, true},
    {"--periodo", 1, 1, true, false, false, Grupo::Periodo, false, Tema::Pantalla, false, false},
    // The text searched for, then the chart folder whose own places are searched too.
    {"--lugar", 1, 1, false, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    // The zone, then --fecha, --hora and --longitud.
    {"--huso", 1, 1, false, false, false, Grupo::Huso, false, Tema::Pantalla, false, false},
    // The chart, the period search's options, and the picture written (.svg or .pdf).
    {"--mapa-tiempo", 2, 2, false, false, false, Grupo::Periodo, true, Tema::Papel, true, false},
    // The chart file is optional and may come anywhere among the options.
    {"--calendario", 0, 1, false, false, false, Grupo::Calendario, false, Tema::Pantalla, false,
     false},
    // The file to bring in; the charts go to the chart folder.
    {"--importar", 1, 1, false, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    // The word naming the format (aaf, csv) comes before the output file.
    {"--exportar", 1, 1, true, false, false, Grupo::Exportar, false, Tema::Pantalla, false, true},
    {"--carpeta", 0, 0, false, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    {"--version", 0, 0, false, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
    {"--help", 0, 0, false, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
    // Two chart files: the first person's, then the second's.
    {"--sinastria", 2, 2, true, true, false, Grupo::Ninguno, true, Tema::Pantalla, true, false,
     true, false, false, true},
    {"--compuesta", 2, 2, true, true, false, Grupo::Ninguno, true, Tema::Pantalla, true, false,
     true, false, false, true},
    {"--davison", 2, 2, true, true, false, Grupo::Ninguno, true, Tema::Pantalla, true, false, true,
     true, false, true},
    // The chart of the present instant, at --lugar (Greenwich without it).
    {"--ahora", 0, 0, true, true, false, Grupo::Ninguno, true, Tema::Pantalla, true, false, true,
     false, true, true},
};

// The options that belong to a group: each is taken only while its group is open, and once in
// each group ("--fecha" once for the progression and once for the transit).
constexpr struct {
    Grupo grupo;
    const char* opcion;
} kOpcionesDeGrupo[] = {
    {Grupo::Progresion, "--tecnica"},  {Grupo::Progresion, "--fecha"},
    {Grupo::Progresion, "--conversa"}, {Grupo::Progresion, "--asc-en-arco"},
    {Grupo::Transito, "--fecha"},      {Grupo::Transito, "--hora"},
    {Grupo::Retorno, "--fecha"},       {Grupo::Periodo, "--desde"},
    {Grupo::Periodo, "--hasta"},       {Grupo::Periodo, "--orbe"},
    {Grupo::Periodo, "--tecnica"},     {Grupo::Huso, "--fecha"},
    {Grupo::Huso, "--hora"},           {Grupo::Huso, "--longitud"},
    {Grupo::Calendario, "--desde"},    {Grupo::Calendario, "--hasta"},
    {Grupo::Calendario, "--orbe"},     {Grupo::Calendario, "--huso"},
    {Grupo::Exportar, "--puntos"},
};

// Whether `a` is one of the options a command's rule answers for whatever group is open;
// then `admitida` says whether the command r takes it.
bool OpcionDeLaOrden(const Regla& r, const std::string& a, bool& admitida) {
    const std::pair<const char*, bool> opciones[] = {
        {"--houses", r.casas},
        {"--size", r.tamano},
        {"--tema", r.tema},
        {"--papel", r.papel},
        {"--folder", r.carpeta},
        {"--progress", r.anillos},
        {"--transit", r.anillos},
        {"--simple", r.papel && !r.dibujo},
        {"--puntos", r.casas},
        {"--zodiaco", r.casas},
        {"--ayanamsa", r.casas},
        {"--orbes", r.casas},
        {"--estrellas", r.casas},
        {"--json", r.json},
        {"--lugar-medio", r.lugarMedio},
        {"--lugar", r.lugar},
        // The picture of a chart drawn from others, a return or the moment.
        {"--png", r.dibujo},
        {"--svg", r.dibujo},
        {"--pdf", r.dibujo},
        // The Moon's rows of the time map.
        {"--con-luna", std::string(r.comando) == "--mapa-tiempo"},
    };
    for (const auto& [nombre, si] : opciones) {
        if (a == nombre) {
            admitida = si;
            return true;
        }
    }
    return false;
}

// Whether `a` belongs to the group g.
bool DelGrupo(Grupo g, const std::string& a) {
    for (const auto& o : kOpcionesDeGrupo) {
        if (o.grupo == g && a == o.opcion) return true;
    }
    return false;
}

// Whether any command takes the option.
bool OpcionConocida(const std::string& a) {
    bool admitida = false;
    if (OpcionDeLaOrden(kReglas[0], a, admitida)) return true;
    for (const auto& o : kOpcionesDeGrupo) {
        if (a == o.opcion) return true;
    }
    return false;
}

std::string Rechazo(const std::string& motivo) { return motivo + "\n" + UsageText(); }

// Why a known option is refused where it stands: the command never uses it, or it belongs to
// a ring group not open yet (images only).
std::string OpcionFueraDeLugar(const Regla& r, const std::string& a) {
    if (r.anillos) {
        const bool prog = DelGrupo(Grupo::Progresion, a), trans = DelGrupo(Grupo::Transito, a);
        if (prog || trans) {
            return Rechazo("La opción " + a + " va tras " +
                           (prog && trans ? "--progress o --transit"
                            : prog        ? "--progress"
                                          : "--transit") +
                           ".");
        }
    }
    return Rechazo("La opción " + a + " no se usa con " + r.comando + ".");
}

std::string ValorNoValido(const std::string& opcion, const std::string& valor) {
    return Rechazo("Valor no válido para " + opcion + ": «" + valor + "»");
}

// "WxH" with both sides from 1 to 10000 pixels.
bool LeerTamano(const std::string& text, int& w, int& h) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i != x && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    if (x > 5 || text.size() - x - 1 > 5) return false;
    w = std::stoi(text.substr(0, x));
    h = std::stoi(text.substr(x + 1));
    return w >= 1 && h >= 1 && w <= 10000 && h <= 10000;
}

LecturaOpciones Uso() { return {std::nullopt, UsageText()}; }

}  // namespace

const char* UsageText() {
    return "Uso:\n"
           "  natalis [--folder CARPETA]\n"
           "  natalis --listing ARCHIVO.dat [OPCIONES DE CARTA]\n"
           "  natalis --json ARCHIVO.dat [OPCIONES DE CARTA]\n"
           "  natalis --png ARCHIVO.dat SALIDA.png [--size ANCHOxALTO] [--tema pantalla|papel]\n"
           "  natalis --svg ARCHIVO.dat SALIDA.svg [--size ANCHOxALTO] [--tema pantalla|papel]\n"
           "  natalis --pdf ARCHIVO.dat SALIDA.pdf [--papel a4|carta] [--tema papel|pantalla]"
           " [--simple]\n"
           "  natalis --progress ARCHIVO.dat --tecnica TÉCNICA --fecha \"d m aaaa\" [--conversa]"
           " [--asc-en-arco]\n"
           "  natalis --transit ARCHIVO.dat --fecha \"d m aaaa\" --hora \"hh mm\"\n"
           "  natalis --retorno solar|lunar ARCHIVO.dat --fecha \"d m aaaa\" [OPCIONES DE CARTA]"
           " [--lugar TEXTO] [--json]\n"
           "  natalis --sinastria A.dat B.dat [OPCIONES DE CARTA] [--json]\n"
           "  natalis --compuesta A.dat B.dat [OPCIONES DE CARTA] [--json]\n"
           "  natalis --davison A.dat B.dat [--lugar-medio circulo|medias] [OPCIONES DE CARTA]"
           " [--json]\n"
           "  natalis --ahora [--lugar TEXTO] [OPCIONES DE CARTA] [--json]\n"
           "  natalis --periodo ARCHIVO.dat --desde \"d m aaaa\" --hasta \"d m aaaa\""
           " [--orbe GRADOS] [--tecnica \"Transitos\"|\"Secundaria\"|\"Arco Solar\"]\n"
           "  natalis --mapa-tiempo ARCHIVO.dat --desde \"d m aaaa\" --hasta \"d m aaaa\""
           " SALIDA.svg|SALIDA.pdf [--orbe GRADOS] [--tecnica TÉCNICA] [--con-luna]"
           " [--tema papel|pantalla] [--papel a4|carta]\n"
           "  natalis --calendario --desde \"d m aaaa\" --hasta \"d m aaaa\" [ARCHIVO.dat]"
           " [--orbe GRADOS] [--huso ZONA]\n"
           "  natalis --lugar TEXTO [--folder CARPETA]\n"
           "  natalis --huso ZONA --fecha \"d m aaaa\" --hora \"hh mm ss\" [--longitud GRADOS]\n"
           "  natalis --importar ARCHIVO [--folder CARPETA]\n"
           "  natalis --exportar aaf|csv SALIDA [--folder CARPETA] [--puntos SOL,LUN,...]"
           " [--houses P|K|R]\n"
           "  natalis --carpeta [--folder CARPETA]\n"
           "  natalis --version\n"
           "  natalis --help\n"
           "Opciones de carta: --houses LETRA, --puntos LISTA|todos, --zodiaco"
           " tropical|sideral, --ayanamsa NOMBRE, --orbes clasicos|amplios|predictivos,"
           " --estrellas LISTA|behenias.\n"
           "Casas: P Plácido, K Koch, R Regiomontano, C Campanus, E Iguales desde el Ascendente,"
           " W Signos enteros, O Porfirio, T Topocéntrico, B Alcabitius, M Morinus,"
           " X Meridiano, H Horizonte, D Iguales desde el MC.\n"
           "--puntos: SOL a PLU, NOD y PF siempre; además QUI Quirón, CER Ceres, PAL Palas,"
           " JUN Juno, VES Vesta, NDV nodo verdadero, LIL Lilith media, LIO Lilith osculadora,"
           " VTX Vértice, separados por comas, o todos; con --progress el listado sigue con"
           " los que la técnica mueve.\n"
           "--zodiaco: tropical (si no se indica) o sideral; --ayanamsa (con sideral, lahiri si"
           " no se indica): fagan-bradley, lahiri, raman, krishnamurti, yukteshwar, j2000,"
           " centro-galactico.\n"
           "--orbes: clasicos (si no se indica; 7° por el factor de cada aspecto), amplios (más"
           " para el Sol y la Luna) o predictivos; con amplios o predictivos cada aspecto del"
           " listado lleva su orbe y a (aplicativo) o s (separativo). En los listados de"
           " --progress y --transit, clasicos y amplios usan los orbes propios de cada técnica"
           " (amplios añade a cada aspecto su orbe y fase) y predictivos usa 1° (0,5° en los"
           " aspectos menores, 0,5° más con el Sol o la Luna), con orbe y fase.\n"
           "--estrellas: las estrellas fijas que se listan cuando están a menos de 1° de un"
           " punto natal (Ascendente, Medio Cielo, Descendente y Fondo del Cielo incluidos):"
           " nombres del catálogo de estrellas separados por comas, o behenias (las quince"
           " estrellas behenias: Algol, Alcyone, Aldebaran, Capella, Sirius, Procyon,"
           " Regulus, Alkaid, Algorab, Spica, Arcturus, Alphecca, Antares, Vega y Deneb"
           " Algedi).\n"
           "--listing y --json aceptan varios archivos; --png, --svg y --pdf aceptan también"
           " las opciones de carta, y --progress y --transit con sus opciones.\n"
           "--tema: pantalla (fondo oscuro, como la ventana) o papel (fondo blanco, el de --pdf"
           " si no se indica).\n"
           "--papel: a4 (si no se indica) o carta.\n"
           "--simple: el PDF con la rueda y los listados de la ventana, en lugar del informe.\n"
           "--calendario escribe una línea por evento, con columnas separadas por tabuladores:"
           " instante UT, instante en el huso (el de la carta, el de --huso o UT), huso, evento"
           " (Luna nueva, Luna llena, Eclipse solar, Eclipse lunar, Ingreso, Estación"
           " retrógrada, Estación directa, Luna vacía de curso, Contacto), punto, lugar en el"
           " zodíaco y detalle. La Luna está vacía de curso desde su último aspecto (conjunción,"
           " sextil, cuadratura, trígono u oposición) al Sol o a los planetas de Mercurio a"
           " Plutón hasta que cambia de signo. Con ARCHIVO.dat, un Contacto es una lunación o"
           " un eclipse a menos de --orbe grados (2 si no se indica) de un punto natal.\n"
           "--importar lee archivos AAF, Quick*Chart, Morinus (.hor) y CSV.\n"
           "--sinastria, --compuesta, --davison, --retorno y --ahora dibujan con --png SALIDA.png,"
           " --svg SALIDA.svg o --pdf SALIDA.pdf (con --size, --tema y --papel): la sinastría y"
           " el retorno en dos ruedas, la carta natal dentro y la otra en el anillo exterior;"
           " con --pdf, la sinastría da su informe con los aspectos cruzados y las casas de"
           " cada uno en la carta del otro.\n"
           "--ahora: la carta del momento en el lugar de --lugar, o en Greenwich en tiempo"
           " universal si no se indica.\n";
}

LecturaOpciones LeerOpcionesHeadless(const std::string& comando, const Args& args) {
    const Regla* regla = nullptr;
    for (const Regla& r : kReglas) {
        if (comando == r.comando) regla = &r;
    }
    if (!regla) return Uso();

    OpcionesHeadless o;
    o.comando = comando;
    o.tema = regla->temaPorOmision;
    Grupo grupo = regla->implicito;
    o.progresion = grupo == Grupo::Progresion;
    o.transito = grupo == Grupo::Transito;
    o.retorno = grupo == Grupo::Retorno;
    size_t primerArchivo = 1;
    if (grupo == Grupo::Exportar) {
        if (args.size() < 2 || args[1].rfind("--", 0) == 0) return Uso();
        const auto formato = FormatoExportarPorNombre(args[1]);
        if (!formato) return {std::nullopt, ValorNoValido(comando, args[1])};
        o.formatoExportar = formato;
        primerArchivo = 2;
    }
    if (o.retorno) {
        if (args.size() < 2 || args[1].rfind("--", 0) == 0) return Uso();
        if (args[1] == "lunar") {
            o.tipoRetorno = TipoRetorno::Lunar;
        } else if (args[1] != "solar") {
            return {std::nullopt, ValorNoValido(comando, args[1])};
        }
        primerArchivo = 2;
    }
    o.periodo = grupo == Grupo::Periodo;
    ConsultaPeriodo& periodo = o.consultaPeriodo;
    bool tecnicaDada = false;
    bool sideral = false;
    std::optional<Zodiaco> ayanamsa;
    // The options met so far: a command's own by name, a group's by name and group.
    std::set<std::pair<std::string, Grupo>> vistas;
    for (size_t i = primerArchivo; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            // Files come first, before any option.
            if (a.empty() || (grupo != Grupo::Calendario && comando != "--mapa-tiempo" &&
                              o.archivos.size() + primerArchivo != i)) {
                return Uso();
            }
            o.archivos.push_back(a);
            continue;
        }
        if (!OpcionConocida(a)) return Uso();
        bool admitida = false;
        const bool deLaOrden = OpcionDeLaOrden(*regla, a, admitida);
        if (!deLaOrden) admitida = DelGrupo(grupo, a);
        if (!admitida) return {std::nullopt, OpcionFueraDeLugar(*regla, a)};
        if (!vistas.emplace(a, deLaOrden ? Grupo::Ninguno : grupo).second) {
            return {std::nullopt, Rechazo("La opción " + a + " está repetida.")};
        }
        const bool sinValor = a == "--progress" || a == "--transit" || a == "--conversa" ||
                              a == "--asc-en-arco" || a == "--simple" || a == "--json" ||
                              a == "--con-luna";
        if (!sinValor && i + 1 >= args.size()) return Uso();

        if (a == "--houses") {
            const auto s = CasasPorLetra(args[++i]);
            if (!s) return {std::nullopt, ValorNoValido(a, args[i])};
            o.casas = *s;
        } else if (a == "--puntos" && grupo == Grupo::Exportar) {
            o.puntosExportar = args[++i];  // the CSV's columns, read by the export
        } else if (a == "--puntos") {
            const auto p = PuntosPorLista(args[++i], nullptr);
            if (!p) return {std::nullopt, ValorNoValido(a, args[i])};
            o.puntos = *p;
        } else if (a == "--orbes") {
            const auto orbes = OrbesPorNombre(args[++i]);
            if (!orbes) return {std::nullopt, ValorNoValido(a, args[i])};
            o.orbes = *orbes;
        } else if (a == "--estrellas") {
            std::string mala;
            const auto e = EstrellasPorLista(args[++i], NombresEstrellas(), &mala);
            if (!e) {
                return {std::nullopt,
                        Rechazo("Estrella desconocida para --estrellas: «" + mala +
                                "» (no está en el catálogo de estrellas, o está repetida).")};
            }
            o.estrellas = *e;
        } else if (a == "--zodiaco") {
            const std::string& z = args[++i];
            if (z != "tropical" && z != "sideral") return {std::nullopt, ValorNoValido(a, z)};
            sideral = z == "sideral";
        } else if (a == "--ayanamsa") {
            ayanamsa = ZodiacoSideral(args[++i]);
            if (!ayanamsa) return {std::nullopt, ValorNoValido(a, args[i])};
        } else if (a == "--size") {
            if (!LeerTamano(args[++i], o.ancho, o.alto)) {
                return {std::nullopt, ValorNoValido(a, args[i])};
            }
        } else if (a == "--tema") {
            const auto t = TemaPorNombre(args[++i]);
            if (!t) return {std::nullopt, ValorNoValido(a, args[i])};
            o.tema = *t;
        } else if (a == "--papel") {
            const auto p = PapelPorNombre(args[++i]);
            if (!p) return {std::nullopt, ValorNoValido(a, args[i])};
            o.papel = *p;
        } else if (a == "--simple") {
            o.simple = true;
        } else if (a == "--folder") {
            if (args[i + 1].empty()) return Uso();
            o.carpeta = args[++i];
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--lugar-medio") {
            const std::string& v = args[++i];
            if (v != "circulo" && v != "medias") return {std::nullopt, ValorNoValido(a, v)};
            o.lugarMedio = v == "circulo" ? LugarMedio::Circulo : LugarMedio::Medias;
        } else if (a == "--lugar") {
            if (args[i + 1].empty()) return Uso();
            o.lugar = args[++i];
        } else if (a == "--png" || a == "--svg" || a == "--pdf") {
            if (!o.dibujo.empty()) {
                return {std::nullopt, Rechazo("Se escribe un solo dibujo: --png, --svg o --pdf.")};
            }
            if (args[i + 1].empty()) return Uso();
            o.dibujo = a;
            o.salida = args[++i];
        } else if (a == "--progress") {
            o.progresion = true;
            grupo = Grupo::Progresion;
        } else if (a == "--transit") {
            o.transito = true;
            grupo = Grupo::Transito;
        } else if (a == "--con-luna") {
            o.conLuna = true;
        } else if (a == "--conversa") {
            o.conversa = true;
        } else if (a == "--asc-en-arco") {
            o.ascEnArco = true;
        } else if (grupo == Grupo::Progresion && a == "--tecnica") {
            const auto t = TecnicaPorCaption(args[++i]);
            if (!t) return {std::nullopt, ValorNoValido(a, args[i])};
            o.tecnica = *t;
            tecnicaDada = true;
        } else if (grupo == Grupo::Huso) {
            if (a == "--longitud") {
                o.longitud = args[++i];
            } else {
                (a == "--fecha" ? o.fechaHuso : o.horaHuso) = args[++i];
            }
        } else if (grupo == Grupo::Periodo) {
            std::string& valor = a == "--desde"   ? periodo.desde
                                 : a == "--hasta" ? periodo.hasta
                                 : a == "--orbe"  ? periodo.orbe
                                                  : periodo.tecnica;
            valor = args[++i];
        } else if (grupo == Grupo::Calendario) {
            ConsultaCalendario& c = o.consultaCalendario;
            std::string& valor = a == "--desde"   ? c.desde
                                 : a == "--hasta" ? c.hasta
                                 : a == "--orbe"  ? c.orbe
                                                  : c.huso;
            valor = args[++i];
        } else if (a == "--fecha") {
            (grupo == Grupo::Progresion ? o.fechaProg
             : grupo == Grupo::Transito ? o.fechaTrans
                                        : o.fechaRetorno) = args[++i];
        } else {  // --hora of the transit
            o.horaTrans = args[++i];
        }
    }
    // A PDF is printed on paper unless another palette was asked for.
    if (o.dibujo == "--pdf" && !vistas.count({"--tema", Grupo::Ninguno})) o.tema = Tema::Papel;
    if (!o.dibujo.empty() && o.json) {
        return {std::nullopt, Rechazo("La opción --json no se usa con " + o.dibujo + ".")};
    }
    // An ayanamsa means nothing in the tropical zodiac.
    if (ayanamsa && !sideral) return Uso();
    if (sideral) o.zodiaco = ayanamsa.value_or(Zodiaco::Lahiri);
    if (o.archivos.size() < regla->minArchivos || o.archivos.size() > regla->maxArchivos) {
        return Uso();
    }
    if (o.progresion && (o.fechaProg.empty() || !tecnicaDada)) return Uso();
    if (o.transito && (o.fechaTrans.empty() || o.horaTrans.empty())) return Uso();
    if (o.retorno && o.fechaRetorno.empty()) return Uso();
    if (o.periodo && (periodo.desde.empty() || periodo.hasta.empty())) return Uso();
    o.calendario = grupo == Grupo::Calendario;
    if (o.calendario &&
        (o.consultaCalendario.desde.empty() || o.consultaCalendario.hasta.empty())) {
        return Uso();
    }
    if (grupo == Grupo::Huso && (o.fechaHuso.empty() || o.horaHuso.empty())) return Uso();
    // Primary directions are direct only.
    if (FilaTecnica(o.tecnica).soloDirecta) o.conversa = false;
    return {o, {}};
}

std::optional<OpcionesHeadless> LeerOpcionesOAvisar(const std::string& comando, const Args& args,
                                                    std::ostream& err) {
    LecturaOpciones l = LeerOpcionesHeadless(comando, args);
    if (!l.opciones) err << l.error;
    return std::move(l.opciones);
}

}  // namespace natalis
