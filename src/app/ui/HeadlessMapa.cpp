#include "app/ui/HeadlessMapa.h"

#include <vector>

#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "app/session/ChartSession.h"
#include "app/ui/HeadlessPng.h"
#include "astro/SwissEphemeris.h"
#include "predictive/ui/ExportarMapa.h"

namespace natalis {

namespace {

bool Termina(const std::string& texto, const std::string& fin) {
    return texto.size() >= fin.size() &&
           texto.compare(texto.size() - fin.size(), fin.size(), fin) == 0;
}

}  // namespace

int HeadlessMapaTiempo(const Args& args, std::ostream&, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--mapa-tiempo", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    const std::string& salida = o.archivos[1];
    const bool svg = Termina(salida, ".svg"), pdf = Termina(salida, ".pdf");
    if (!svg && !pdf) {
        err << "El mapa de tiempo se escribe en un archivo .svg o .pdf: «" << salida << "»\n";
        return 2;
    }
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    const std::optional<PeriodoPedido> pedido = PeriodoConCarta(o, sesion, clock, err);
    if (!pedido) return 2;

    const MapaTiempo mapa = sesion.MapaDelPeriodo(*pedido, o.conLuna);
    const std::string titulo = sesion.TituloMapa(*pedido);
    std::vector<RecordingSurface> paginas(PaginasMapa(mapa));
    for (size_t k = 0; k < paginas.size(); ++k) {
        DibujarMapaTiempo(mapa, static_cast<int>(k), titulo, JdAhora(clock), paginas[k]);
    }
    const OffscreenPainting painting(o.archivos[0]);
    const std::string error = svg ? EscribirMapaSvg(paginas, o.tema, titulo, salida)
                                  : EscribirMapaPdf(paginas, o.papel, o.tema, titulo, salida);
    if (!error.empty()) {
        err << error << "\n";
        return 2;
    }
    return 0;
}

}  // namespace natalis
