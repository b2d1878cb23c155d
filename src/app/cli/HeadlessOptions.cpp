#include "app/cli/HeadlessOptions.h"

#include <cctype>
#include <cstring>

namespace natalis {

namespace {

enum class Grupo { Ninguno, Progresion, Transito, Retorno, Periodo, Huso, Exportar };

// What each command takes: how many files, and which options.
struct Regla {
    const char* comando;
    size_t minArchivos, maxArchivos;
    bool tamano;      // --size
    bool anillos;     // the --progress and --transit groups
    Grupo implicito;  // the group the command itself opens
    bool tema;        // --tema
    Tema temaPorOmision;
    bool papel;    // --papel
    bool carpeta;  // --folder
};

constexpr size_t kSinLimite = static_cast<size_t>(-1);

constexpr Regla kReglas[] = {
    {"--listing", 1, kSinLimite, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
    {"--json", 1, kSinLimite, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
    {"--png", 2, 2, true, true, Grupo::Ninguno, true, Tema::Pantalla, false, false},
    {"--progress", 1, 1, false, false, Grupo::Progresion, false, Tema::Pantalla, false, false},
    {"--transit", 1, 1, false, false, Grupo::Transito, false, Tema::Pantalla, false, false},
    {"--svg", 2, 2, true, true, Grupo::Ninguno, true, Tema::Pantalla, false, false},
    // Paper is what a PDF is for: the screen's dark palette wastes ink and prints muddy.
    {"--pdf", 2, 2, false, true, Grupo::Ninguno, true, Tema::Papel, true, false},
    // The word naming the return (solar, lunar) comes before the file.
    {"--retorno", 1, 1, false, false, Grupo::Retorno, false, Tema::Pantalla, false, false},
    {"--periodo", 1, 1, false, false, Grupo::Periodo, false, Tema::Pantalla, false, false},
    // The text searched for, then the chart folder whose own places are searched too.
    {"--lugar", 1, 1, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    // The zone, then --fecha, --hora and --longitud.
    {"--huso", 1, 1, false, false, Grupo::Huso, false, Tema::Pantalla, false, false},
    // The file to bring in; the charts go to the chart folder.
    {"--importar", 1, 1, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    // The word naming the format (aaf, csv) comes before the output file.
    {"--exportar", 1, 1, false, false, Grupo::Exportar, false, Tema::Pantalla, false, true},
    {"--carpeta", 0, 0, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, true},
    {"--version", 0, 0, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
    {"--help", 0, 0, false, false, Grupo::Ninguno, false, Tema::Pantalla, false, false},
};

std::string ValorNoValido(const std::string& opcion, const std::string& valor) {
    return "Valor no válido para " + opcion + ": «" + valor + "»\n" + UsageText();
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
           "  natalis --listing ARCHIVO.dat [--houses P|K|R]\n"
           "  natalis --json ARCHIVO.dat [--houses P|K|R]\n"
           "  natalis --png ARCHIVO.dat SALIDA.png [--size ANCHOxALTO] [--tema pantalla|papel]\n"
           "  natalis --svg ARCHIVO.dat SALIDA.svg [--size ANCHOxALTO] [--tema pantalla|papel]\n"
           "  natalis --pdf ARCHIVO.dat SALIDA.pdf [--papel a4|carta] [--tema papel|pantalla]\n"
           "  natalis --progress ARCHIVO.dat --tecnica TÉCNICA --fecha \"d m aaaa\" [--conversa]"
           " [--asc-en-arco]\n"
           "  natalis --transit ARCHIVO.dat --fecha \"d m aaaa\" --hora \"hh mm\"\n"
           "  natalis --retorno solar|lunar ARCHIVO.dat --fecha \"d m aaaa\" [--houses P|K|R]\n"
           "  natalis --periodo ARCHIVO.dat --desde \"d m aaaa\" --hasta \"d m aaaa\""
           " [--orbe GRADOS] [--tecnica \"Transitos\"|\"Secundaria\"|\"Arco Solar\"]\n"
           "  natalis --lugar TEXTO [--folder CARPETA]\n"
           "  natalis --huso ZONA --fecha \"d m aaaa\" --hora \"hh mm ss\" [--longitud GRADOS]\n"
           "  natalis --importar ARCHIVO [--folder CARPETA]\n"
           "  natalis --exportar aaf|csv SALIDA [--folder CARPETA] [--puntos SOL,LUN,...]"
           " [--houses P|K|R]\n"
           "  natalis --carpeta [--folder CARPETA]\n"
           "  natalis --version\n"
           "  natalis --help\n"
           "Casas: P Plácido, K Koch, R Regiomontano.\n"
           "--listing y --json aceptan varios archivos; --png, --svg y --pdf aceptan también"
           " --houses, y --progress y --transit con sus opciones.\n"
           "--tema: pantalla (fondo oscuro, como la ventana) o papel (fondo blanco, el de --pdf"
           " si no se indica).\n"
           "--papel: a4 (si no se indica) o carta.\n"
           "--importar lee archivos AAF, Quick*Chart, Morinus (.hor) y CSV.\n";
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
        o.formatoExportar = *formato;
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
    for (size_t i = primerArchivo; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hayValor = i + 1 < args.size();
        if (a.rfind("--", 0) != 0) {
            // Files come first, before any option.
            if (a.empty() || o.archivos.size() + primerArchivo != i) return Uso();
            o.archivos.push_back(a);
        } else if (a == "--houses" && hayValor) {
            const auto s = CasasPorLetra(args[++i]);
            if (!s) return {std::nullopt, ValorNoValido(a, args[i])};
            o.casas = *s;
        } else if (a == "--size" && regla->tamano && hayValor) {
            if (!LeerTamano(args[++i], o.ancho, o.alto)) {
                return {std::nullopt, ValorNoValido(a, args[i])};
            }
        } else if (a == "--tema" && regla->tema && hayValor) {
            const auto t = TemaPorNombre(args[++i]);
            if (!t) return {std::nullopt, ValorNoValido(a, args[i])};
            o.tema = *t;
        } else if (a == "--papel" && regla->papel && hayValor) {
            const auto p = PapelPorNombre(args[++i]);
            if (!p) return {std::nullopt, ValorNoValido(a, args[i])};
            o.papel = *p;
        } else if (a == "--progress" && regla->anillos) {
            o.progresion = true;
            grupo = Grupo::Progresion;
        } else if (a == "--transit" && regla->anillos) {
            o.transito = true;
            grupo = Grupo::Transito;
        } else if (a == "--conversa" && grupo == Grupo::Progresion) {
            o.conversa = true;
        } else if (a == "--asc-en-arco" && grupo == Grupo::Progresion) {
            o.ascEnArco = true;
        } else if (a == "--tecnica" && grupo == Grupo::Progresion && hayValor) {
            const auto t = TecnicaPorCaption(args[++i]);
            if (!t) return {std::nullopt, ValorNoValido(a, args[i])};
            o.tecnica = *t;
            tecnicaDada = true;
        } else if (a == "--fecha" && hayValor &&
                   (grupo == Grupo::Progresion || grupo == Grupo::Transito ||
                    grupo == Grupo::Retorno)) {
            (grupo == Grupo::Progresion ? o.fechaProg
             : grupo == Grupo::Transito ? o.fechaTrans
                                        : o.fechaRetorno) = args[++i];
        } else if (a == "--hora" && grupo == Grupo::Transito && hayValor) {
            o.horaTrans = args[++i];
        } else if (grupo == Grupo::Huso && hayValor &&
                   (a == "--fecha" || a == "--hora" || a == "--longitud")) {
            // Each at most once.
            if (a == "--longitud") {
                if (o.longitud) return Uso();
                o.longitud = args[++i];
            } else {
                std::string& valor = a == "--fecha" ? o.fechaHuso : o.horaHuso;
                if (!valor.empty()) return Uso();
                valor = args[++i];
            }
        } else if (a == "--folder" && regla->carpeta && hayValor && !o.carpeta &&
                   !args[i + 1].empty()) {
            o.carpeta = args[++i];
        } else if (a == "--puntos" && grupo == Grupo::Exportar && hayValor && !o.puntos) {
            o.puntos = args[++i];
        } else if (grupo == Grupo::Periodo && hayValor &&
                   (a == "--desde" || a == "--hasta" || a == "--orbe" || a == "--tecnica")) {
            std::string& valor = a == "--desde"   ? periodo.desde
                                 : a == "--hasta" ? periodo.hasta
                                 : a == "--orbe"  ? periodo.orbe
                                                  : periodo.tecnica;
            valor = args[++i];
        } else {
            return Uso();
        }
    }
    if (o.archivos.size() < regla->minArchivos || o.archivos.size() > regla->maxArchivos) {
        return Uso();
    }
    if (o.progresion && (o.fechaProg.empty() || !tecnicaDada)) return Uso();
    if (o.transito && (o.fechaTrans.empty() || o.horaTrans.empty())) return Uso();
    if (o.retorno && o.fechaRetorno.empty()) return Uso();
    if (o.periodo && (periodo.desde.empty() || periodo.hasta.empty())) return Uso();
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
