#include "predictive/HoraSolar.h"

#include "astro/Calendar.h"
#include "astro/NumberText.h"
#include "astro/SolarTimes.h"

namespace natalis {

namespace {
constexpr long kSegundosDia = 86400;
}

int DiaDelAnio(int dia, int mes, int anio) {
    return static_cast<int>(JulDay(dia, mes, anio) - JulDay(1, 1, anio)) + 1;
}

std::string TextoHoraDelDia(long segundos) {
    long s = segundos % kSegundosDia;
    if (s < 0) s += kSegundosDia;
    return ZeroPad(s / 3600, 2) + ":" + ZeroPad(s / 60 % 60, 2) + ":" + ZeroPad(s % 60, 2);
}

double HoraADecimal(const std::string& texto) {
    double partes[3] = {0, 0, 0};
    size_t inicio = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t fin = texto.find(':', inicio);
        partes[i] = Val(texto.substr(inicio, fin == std::string::npos ? fin : fin - inicio));
        if (fin == std::string::npos) break;
        inicio = fin + 1;
    }
    return partes[0] + partes[1] / 60 + partes[2] / 3600;
}

std::string CaptionMedianoche(const std::string& captionMediodia) {
    double h = HoraADecimal(captionMediodia) + 12;
    if (h >= 24) h -= 24;
    const std::string hora = ZeroPad(static_cast<long>(IntFloor(h)), 2);
    const size_t dosPuntos = captionMediodia.find(':');
    if (dosPuntos == std::string::npos) return hora;
    return hora + captionMediodia.substr(dosPuntos);
}

std::array<std::string, 5> CaptionsHoraSolar(const NatalRecord& rec) {
    const int n = DiaDelAnio(rec.NatalDay, rec.NatalMonth, rec.NatalYear);
    // The solar computation takes longitude west positive and the hours to subtract from
    // universal time, which is the chart's own zone correction.
    const HorasSolaresResult r = HorasSolares(n, rec.LatitudeDeg, -rec.LongitudeDeg, rec.ZoneHours);
    std::array<std::string, 5> c;
    c[1] = TextoHoraDelDia(r.AmanecerSeg);
    c[2] = TextoHoraDelDia(r.MediodiaSeg);
    c[3] = TextoHoraDelDia(r.PonienteSeg);
    c[4] = CaptionMedianoche(c[2]);
    return c;
}

long AnioHoraSolar(const NatalRecord& rec, const std::string& captionElegida) {
    const double H = HoraADecimal(captionElegida);
    const double B = Val(FormatPicture(rec.NatalHour, 4));
    return rec.NatalYear + CIntEven((H - B) * 15);
}

std::string FechaDeHoraSolar(const NatalRecord& rec, const std::string& captionElegida) {
    return std::to_string(rec.NatalDay) + " " + std::to_string(rec.NatalMonth) + " " +
           std::to_string(AnioHoraSolar(rec, captionElegida));
}

}  // namespace natalis
