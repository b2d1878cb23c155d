#include "app/session/InformeCarta.h"

#include "astro/TextTrim.h"
#include "chart/Aspects.h"

namespace natalis {

InformeCarta ArmarInforme(const ChartSession& s) {
    const NatalRecord& r = s.DatosNatales;
    InformeCarta informe;
    informe.nombre = TrimBlanks(r.NatalName);
    // The time shown is the one the wheel's header shows: a birth time being tried, or the
    // chart's own.
    const std::string hora = s.pred.HoraTexto.empty() ? r.TimeText : s.pred.HoraTexto;
    informe.datos.push_back("Fecha: " + r.FechaNatalTexto + "    Hora: " + hora +
                            "    Huso: " + r.ZoneSign + r.ZoneText);
    const std::string lugar = TrimBlanks(r.Place);
    informe.datos.push_back((lugar.empty() ? std::string() : "Lugar: " + lugar + "    ") +
                            "Latitud: " + r.LatText + "    Longitud: " + r.LonText);
    informe.datos.push_back("Casas: " + s.CasasCaption());

    const std::vector<std::string> aspectos = ListarAspectos(s.tables.natal);
    informe.secciones.push_back(s.ListadoNatalLineas());
    informe.secciones.push_back(aspectos);
    std::vector<std::string> predictiva = s.ListaPredictiva();
    if (!predictiva.empty()) informe.secciones.push_back(std::move(predictiva));
    return informe;
}

}  // namespace natalis
