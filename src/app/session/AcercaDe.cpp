#include "app/session/AcercaDe.h"

#include "app/model/Version.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

const char* EfemeridesTexto(EphemerisSource source) {
    return source == EphemerisSource::Files ? "archivos del Swiss Ephemeris" : "teoría analítica";
}

std::string AcercaDeNatalis(EphemerisSource source, const std::string& chartFolder) {
    std::string t = std::string(kProgramName) + " " + NatalisVersion() + "\n";
    t += "Cartas natales, direcciones, progresiones y tránsitos.\n\n";
    t += "Efemérides: " + std::string(EfemeridesTexto(source)) + "\n";
    t += "Carpeta de cartas: " + chartFolder + "\n\n";
    t += "Licencia: GNU Affero General Public License, versión 3 o posterior "
         "(AGPL-3.0-or-later).\n"
         "Natalis es software libre: puede redistribuirlo y modificarlo según los términos de "
         "esa licencia, publicada por la Free Software Foundation. Se distribuye con la "
         "esperanza de que sea útil, pero SIN NINGUNA GARANTÍA, ni siquiera la implícita de "
         "COMERCIABILIDAD o de IDONEIDAD PARA UN FIN DETERMINADO. El texto completo de la "
         "licencia acompaña al programa (archivo LICENSE).\n\n";
    t += "Créditos:\n"
         "  Posiciones de los planetas: Swiss Ephemeris, de Astrodienst AG (AGPL).\n"
         "  Glifos: fuente OrreryAstro, hecha con símbolos de DejaVu Sans (licencia de las "
         "fuentes DejaVu).\n"
         "  Atlas de lugares: datos de GeoNames (www.geonames.org), licencia CC BY 4.0.\n";
    const std::string tzdata = TzdataVersion();
    t += "  Husos horarios: base de datos de husos horarios de la IANA (dominio público" +
         (tzdata.empty() ? std::string() : ", versión " + tzdata) +
         "), leída con la biblioteca date/tz de Howard Hinnant (MIT).\n";
    t += "  Ventanas: Qt 6 (LGPL 3).\n";
    return t;
}

}  // namespace natalis
