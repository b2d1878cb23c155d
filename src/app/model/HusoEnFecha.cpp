#include "app/model/HusoEnFecha.h"

#include <cmath>

#include "app/model/HusoActual.h"
#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

namespace {

constexpr double kJulianDayOfEpoch = 2440587.5;  // 1970-01-01 0 h UT
constexpr double kSecondsPerDay = 86400;

// The chart's own offset, with why the database gave none.
HusoEnFecha DeLaCarta(const NatalRecord& rec, const std::string& porque) {
    HusoEnFecha h;
    h.zoneHours = rec.ZoneHours;
    if (!porque.empty()) h.nota = "se usó el huso de la carta: " + porque;
    return h;
}

HusoEnFecha DeLectura(const NatalRecord& rec, const ZoneReading& reading, std::string nota) {
    HusoEnFecha h;
    h.fuente = FuenteDeLectura(rec.ZoneFrom.zone, reading);
    h.zoneHours = -reading.offsetSeconds / 3600.0;
    h.nota = std::move(nota);
    return h;
}

}  // namespace

HusoEnFecha HusoDeHoraLocal(const NatalRecord& rec, double jdLocal) {
    if (!rec.ZoneFrom.FromDatabase()) return DeLaCarta(rec, "");
    const InstanteCivil c = InstanteDeJD(jdLocal);
    const ZoneTimeResult r =
        ResolveLocalTime(rec.ZoneFrom.zone, {c.anio, c.mes, c.dia, c.hora, c.minuto, c.segundo},
                         static_cast<double>(rec.LongitudeDeg));
    switch (r.status) {
        case ZoneTimeStatus::Unique:
            return DeLectura(rec, r.readings[0], "");
        case ZoneTimeStatus::Ambiguous:
            return DeLectura(rec, r.readings[0],
                             "la hora se repitió; se tomó la primera vez que los relojes la "
                             "marcaron");
        case ZoneTimeStatus::Nonexistent:
            return DeLectura(rec, r.gap.before,
                             "la hora no existió (los relojes la saltaron); se leyó con el huso "
                             "de antes del cambio");
        default:
            return DeLaCarta(rec, r.message);
    }
}

HusoEnFecha HusoDeInstante(const NatalRecord& rec, double jdUT) {
    if (!rec.ZoneFrom.FromDatabase()) return DeLaCarta(rec, "");
    const auto seconds =
        static_cast<long long>(std::llround((jdUT - kJulianDayOfEpoch) * kSecondsPerDay));
    const ZoneTimeResult r =
        ReadingAtInstant(rec.ZoneFrom.zone, seconds, static_cast<double>(rec.LongitudeDeg));
    if (r.status != ZoneTimeStatus::Unique) return DeLaCarta(rec, r.message);
    return DeLectura(rec, r.readings[0], "");
}

HusoEnFecha CambiarHoraNatal(NatalRecord& rec, double h) {
    rec.NatalHour = static_cast<float>(h);
    const HusoEnFecha huso =
        HusoDeHoraLocal(rec, JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear) + h / 24);
    if (huso.fuente) ActualizarHuso(rec, *huso.fuente);
    return huso;
}

std::string LineaHusoUsado(const HusoEnFecha& huso) {
    if (!huso.fuente && huso.nota.empty()) return "";
    std::string linea = "Huso:  " + (huso.fuente ? DescribirFuente(*huso.fuente)
                                                 : TextoUT(std::lround(-huso.zoneHours * 3600)));
    if (!huso.nota.empty()) linea += " (" + huso.nota + ")";
    return linea;
}

}  // namespace natalis
