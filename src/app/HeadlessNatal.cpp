// The natal headless commands: --listing and --json, and the usage text of every command.
#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/Headless.h"
#include "app/JsonText.h"
#include "app/model/ChartFile.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/ListadoNatal.h"

namespace natalis {

namespace {

struct NatalOptions {
    std::string file;
    std::string houses = "P";
};

// args: the command, FILE.dat, then optionally --houses P|K|R (either case).
std::optional<NatalOptions> ParseNatalArgs(const Args& args) {
    if (args.size() < 2 || args[1].empty() || args[1].rfind("--", 0) == 0) return std::nullopt;
    NatalOptions o;
    o.file = args[1];
    for (size_t i = 2; i < args.size(); i += 2) {
        if (args[i] != "--houses" || i + 1 >= args.size()) return std::nullopt;
        const std::string& h = args[i + 1];
        if (h.size() != 1 || std::string("PKRpkr").find(h[0]) == std::string::npos) {
            return std::nullopt;
        }
        o.houses = std::string(1, static_cast<char>(std::toupper(h[0])));
    }
    return o;
}

struct NatalRun {
    ChartTables tables;
    EphemerisSource source = EphemerisSource::Files;
    NatalRecord rec;
};

// Reads the chart and computes it as the window does before drawing. On a wrong option or
// a rejected file writes the message on err and returns nothing.
std::optional<NatalRun> ComputeNatal(const Args& args, std::ostream& err) {
    const std::optional<NatalOptions> o = ParseNatalArgs(args);
    if (!o) {
        err << UsageText();
        return std::nullopt;
    }
    NatalRun run;
    const std::filesystem::path path(o->file);
    const ChartReadResult read =
        ReadChartFile(path.parent_path().string(), path.filename().string(), run.rec);
    if (!read.ok) {
        err << ChartReadReport(read) << "\n";
        return std::nullopt;
    }
    SwissEphemeris eph;
    CalcularNatal(run.rec, o->houses, eph, run.tables);
    if (const auto error = ErrorCalculoNatal(run.tables)) {
        err << *error << "\n";
        return std::nullopt;
    }
    DistribuirGlifos(run.tables.natal.PlanetaNatal);
    run.source = eph.Source();
    const std::string aviso = AvisoCasasPorfirio(o->houses, run.tables.natal.HouseSystemUsed);
    if (!aviso.empty()) err << aviso << "\n";
    return run;
}

std::string Trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string PointJson(int i, const PuntoNatal& p) {
    return "{\"label\": " + JsonString(Trimmed(EtiquetaPlaneta(i))) +
           ", \"lon\": " + JsonNumber(p.Lon) + ", \"vel\": " + JsonNumber(p.Vel) +
           ", \"grado\": " + std::to_string(p.Grado) + ", \"texto\": " + JsonString(p.Texto) +
           ", \"posGrafica\": " + std::to_string(p.PosGrafica) + "}";
}

std::string CuspJson(const CuspideRec& c) {
    return "{\"lon\": " + JsonNumber(c.Lon) + ", \"grado\": " + std::to_string(c.Grado) +
           ", \"texto\": " + JsonString(c.Texto) + "}";
}

std::string AspectJson(const std::string& from, const std::string& to, int k) {
    return "{\"from\": " + JsonString(from) + ", \"to\": " + JsonString(to) +
           ", \"aspect\": " + JsonString(TablaAspectos[k].Nombre) + "}";
}

// Each unordered pair of planets once, then each planet with the Midheaven and the
// Ascendant, in the order of the aspects list.
std::vector<std::string> AspectsJson(const NatalTables& t) {
    std::vector<std::string> items;
    const struct {
        const char* label;
        const CuspideRec& cusp;
    } angles[] = {{"MC", t.CuspideNatal[10]}, {"ASC", t.CuspideNatal[1]}};
    for (int i = 1; i <= 10; ++i) {
        const std::string from = Trimmed(EtiquetaPlaneta(i));
        const float lon = t.PlanetaNatal[i].Lon;
        for (int j = i + 1; j <= 10; ++j) {
            const int k = BuscarAspecto(lon, t.PlanetaNatal[j].Lon);
            if (k >= 0) items.push_back(AspectJson(from, Trimmed(EtiquetaPlaneta(j)), k));
        }
        for (const auto& a : angles) {
            const int k = BuscarAspecto(lon, a.cusp.Lon);
            if (k >= 0) items.push_back(AspectJson(from, a.label, k));
        }
    }
    return items;
}

void WriteArray(std::ostream& os, const char* name, const std::vector<std::string>& items,
                bool last) {
    os << "  " << JsonString(name) << ": [";
    for (size_t i = 0; i < items.size(); ++i) {
        os << (i == 0 ? "\n    " : ",\n    ") << items[i];
    }
    os << (items.empty() ? "]" : "\n  ]") << (last ? "\n" : ",\n");
}

}  // namespace

const char* UsageText() {
    return "Uso:\n"
           "  natalis [--folder CARPETA]\n"
           "  natalis --listing ARCHIVO.dat [--houses P|K|R]\n"
           "  natalis --json ARCHIVO.dat [--houses P|K|R]\n"
           "  natalis --png ARCHIVO.dat SALIDA.png [--size ANCHOxALTO]\n"
           "  natalis --progress ARCHIVO.dat --tecnica TÉCNICA --fecha \"d m aaaa\" [--conversa]"
           " [--asc-en-arco]\n"
           "  natalis --transit ARCHIVO.dat --fecha \"d m aaaa\" --hora \"hh mm\"\n"
           "Casas: P Plácido, K Koch, R Regiomontano.\n";
}

int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err) {
    const std::optional<NatalRun> run = ComputeNatal(args, err);
    if (!run) return 2;
    std::vector<std::string> lines = ListadoNatal(run->tables.natal);
    lines.pop_back();  // the window's closing empty line: the aspects follow directly
    const std::vector<std::string> aspects = ListarAspectos(run->tables.natal);
    lines.insert(lines.end(), aspects.begin(), aspects.end());
    std::ostringstream text;
    for (const std::string& line : lines) text << line << "\n";
    out << text.str();
    return 0;
}

int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err) {
    const std::optional<NatalRun> run = ComputeNatal(args, err);
    if (!run) return 2;
    const NatalTables& t = run->tables.natal;
    std::vector<std::string> points, cusps;
    for (int i = 1; i <= 12; ++i) points.push_back(PointJson(i, t.PlanetaNatal[i]));
    for (int i = 0; i <= 12; ++i) cusps.push_back(CuspJson(t.CuspideNatal[i]));

    std::ostringstream os;
    os << "{\n"
       << "  \"name\": " << JsonString(Trimmed(run->rec.NatalName)) << ",\n"
       << "  \"place\": " << JsonString(Trimmed(run->rec.Place)) << ",\n"
       << "  \"jd\": " << JsonNumber(t.NatalJD) << ",\n"
       << "  \"armc\": " << JsonNumber(t.NatalARMC) << ",\n"
       << "  \"obliquity\": " << JsonNumber(t.Obliquity) << ",\n"
       << "  \"houseSystem\": " << JsonString(std::string(1, t.HouseSystemUsed)) << ",\n"
       << "  \"ephemeris\": "
       << JsonString(run->source == EphemerisSource::Files ? "files" : "analytic") << ",\n";
    WriteArray(os, "points", points, false);
    WriteArray(os, "cusps", cusps, false);
    WriteArray(os, "aspects", AspectsJson(t), true);
    os << "}\n";
    out << os.str();
    return 0;
}

}  // namespace natalis
