// The headless period search: every aspect of a technique's moving points to the natal
// points over a period, one hit a line.
#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/Headless.h"
#include "app/model/ChartFile.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {

namespace {

struct OpcionesPeriodo {
    std::string archivo;
    ConsultaPeriodo consulta;
    std::string houses = "P";
};

// args: the command, FILE.dat, then --desde and --hasta (both required), --orbe, --tecnica
// and --houses P|K|R, each with its value. Nothing for a missing file, an unknown option or
// a missing value; the values themselves are checked later.
std::optional<OpcionesPeriodo> LeerOpcionesPeriodo(const Args& args) {
    if (args.size() < 2 || args[1].empty() || args[1].rfind("--", 0) == 0) return std::nullopt;
    OpcionesPeriodo o;
    o.archivo = args[1];
    bool desde = false, hasta = false;
    for (size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& opcion = args[i];
        const std::string& valor = args[i + 1];
        if (opcion == "--desde") {
            o.consulta.desde = valor;
            desde = true;
        } else if (opcion == "--hasta") {
            o.consulta.hasta = valor;
            hasta = true;
        } else if (opcion == "--orbe") {
            o.consulta.orbe = valor;
        } else if (opcion == "--tecnica") {
            o.consulta.tecnica = valor;
        } else if (opcion == "--houses") {
            if (valor.size() != 1 || std::string("PKRpkr").find(valor[0]) == std::string::npos) {
                return std::nullopt;
            }
            o.houses = std::string(1, static_cast<char>(std::toupper(valor[0])));
        } else {
            return std::nullopt;
        }
    }
    if (!desde || !hasta) return std::nullopt;
    return o;
}

}  // namespace

int HeadlessPeriodo(const Args& args, std::ostream& out, std::ostream& err) {
    const std::optional<OpcionesPeriodo> o = LeerOpcionesPeriodo(args);
    if (!o) {
        err << UsageText();
        return 2;
    }
    const PeriodoRevisado revisado = RevisarConsultaPeriodo(o->consulta);
    if (!revisado.pedido) {
        err << revisado.mensaje << "\n";
        return 2;
    }
    NatalRecord rec;
    const std::filesystem::path path(o->archivo);
    const ChartReadResult read =
        ReadChartFile(path.parent_path().string(), path.filename().string(), rec);
    if (!read.ok) {
        err << read.message << "\n";
        return 2;
    }
    SwissEphemeris eph;
    ChartTables tables;
    CalcularNatal(rec, o->houses, eph, tables);
    const std::string aviso = AvisoCasasPorfirio(o->houses, tables.natal.HouseSystemUsed);
    if (!aviso.empty()) err << aviso << "\n";

    const PeriodoPedido& p = *revisado.pedido;
    const float horaUT = rec.NatalHour + rec.ZoneHours;  // as the progression engine sums it
    std::vector<PuntoMovil> moviles = PuntosMoviles(p.tecnica, tables.natal, horaUT, eph);
    const std::vector<AspectoPeriodo> aspectos =
        BuscarAspectosPeriodo(moviles, tables.natal, p.jdDesde, p.jdHasta, p.orbeDeg);
    std::ostringstream texto;
    for (const AspectoPeriodo& a : aspectos) texto << LineaAspectoPeriodo(a) << "\n";
    out << texto.str();
    return 0;
}

}  // namespace natalis
