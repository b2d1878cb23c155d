// The headless progression and transit commands: the listing lines the window would show.
#include <filesystem>
#include <optional>

#include "app/Headless.h"
#include "app/MainState.h"
#include "app/model/ChartFile.h"
#include "app/model/SystemClock.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ErrorCalculoNatal.h"
#include "predictive/EjecutarPredictivo.h"
#include "predictive/OpcionesPredictivas.h"

namespace natalis {

namespace {

// args: the command, FILE.dat, then the options of its group. The chart is read and
// computed as the window does; a wrong option or a rejected file is reported on err.
std::optional<OpcionesPredictivas> Preparar(const Args& args, bool progresion, MainState& st,
                                            Ephemeris& eph, std::ostream& err) {
    if (args.size() < 2 || args[1].empty() || args[1].rfind("--", 0) == 0) {
        err << UsageText();
        return std::nullopt;
    }
    Args resto = {progresion ? "--progress" : "--transit"};
    resto.insert(resto.end(), args.begin() + 2, args.end());
    const auto o = LeerOpcionesPredictivas(resto, 0, true);
    if (!o || o->progresion != progresion || o->transito == progresion) {
        err << UsageText();
        return std::nullopt;
    }
    const std::filesystem::path path(args[1]);
    const ChartReadResult read =
        ReadChartFile(path.parent_path().string(), path.filename().string(), st.DatosNatales);
    if (!read.ok) {
        err << ChartReadReport(read) << "\n";
        return std::nullopt;
    }
    MarkChartLoaded(st);
    st.HouseSystem = o->houses;
    CalcularNatal(st.DatosNatales, st.HouseSystem, eph, st.tables);
    if (const auto error = ErrorCalculoNatal(st.tables)) {
        err << *error << "\n";
        return std::nullopt;
    }
    DistribuirGlifos(st.tables.natal.PlanetaNatal);
    const std::string aviso = AvisoCasasPorfirio(st.HouseSystem, st.tables.natal.HouseSystemUsed);
    if (!aviso.empty()) err << aviso << "\n";
    return o;
}

void Imprimir(const std::vector<std::string>& lista, std::ostream& out) {
    for (const std::string& linea : lista) out << linea << "\n";
}

}  // namespace

int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err) {
    MainState st;
    SwissEphemeris eph;
    const auto o = Preparar(args, true, st, eph, err);
    if (!o) return 2;
    st.pred.Tecnica = o->tecnica;
    st.pred.Conversa = o->conversa && o->tecnica != "Primaria";
    st.pred.Directa = !st.pred.Conversa;
    st.pred.AscEnArco = o->ascEnArco;
    st.pred.FechaProgTexto = o->fechaProg;
    std::vector<std::string> lista;
    const ProgresionResultado r = EjecutarProgresion(st, eph, nullptr, nullptr, lista);
    if (r.estado != ProgresionEstado::Calculada) {
        err << r.mensaje << "\n";
        return 2;
    }
    if (!r.aviso.empty()) err << r.aviso << "\n";
    Imprimir(lista, out);
    return 0;
}

int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err) {
    MainState st;
    SwissEphemeris eph;
    const auto o = Preparar(args, false, st, eph, err);
    if (!o) return 2;
    SystemClock clock;
    std::string fecha = o->fechaTrans, hora = o->horaTrans;
    std::vector<std::string> lista;
    const TransitoResultado r =
        EjecutarTransito(st, eph, clock, nullptr, nullptr, fecha, hora, lista);
    if (r.instante.estado != TransitoEstado::Calculado) {
        err << r.instante.mensaje << "\n";
        return 2;
    }
    if (r.errorCalculo) {
        err << kErrorCalculoTransito << "\n";
        return 2;
    }
    Imprimir(lista, out);
    return 0;
}

}  // namespace natalis
