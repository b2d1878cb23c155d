#include "chart/CartaInstante.h"

#include <cmath>
#include <cstdio>

#include "app/model/Cp1252.h"
#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

LugarCarta LugarNatal(const NatalRecord& rec) {
    LugarCarta l;
    l.nombre = rec.Place;
    l.latitudDeg = rec.LatitudeDeg;
    l.longitudDeg = rec.LongitudeDeg;
    l.zona = rec.ZoneFrom.zone;
    l.horasZona = rec.ZoneHours;
    return l;
}

LugarCarta LugarDeAtlas(const Place& p) {
    LugarCarta l;
    l.nombre = p.name;
    l.latitudDeg = p.latitudeDeg;
    l.longitudDeg = p.longitudeDeg;
    l.zona = p.zone;
    return l;
}

namespace {

CivilTime Civil(const InstanteCivil& c) {
    return {c.anio, c.mes, c.dia, c.hora, c.minuto, c.segundo};
}

std::string DosCifras(int n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

// "40°21'N" style texts of the record, as the reader leaves them: degrees, minutes, letter.
void Coordenada(double v, const char* pos, const char* neg, std::string& grados,
                std::string& minutos, std::string& hemisferio) {
    const long m = std::lround(std::fabs(v) * 60);
    grados = std::to_string(m / 60);
    minutos = DosCifras(static_cast<int>(m % 60));
    hemisferio = v < 0 ? neg : pos;
}

}  // namespace

std::optional<long> DesfaseEnInstante(const std::string& zona, double jd, double longitudEsteDeg,
                                      std::string& error) {
    // Read the clock at UT plus the offset found so far until the reading agrees with the
    // offset it was read with; a repeated clock time gives the reading that matches.
    long desfase = 0;
    for (int i = 0; i < 4; ++i) {
        const ZoneTimeResult r =
            ResolveLocalTime(zona, Civil(InstanteDeJD(jd + desfase / 86400.0)), longitudEsteDeg);
        if (r.status == ZoneTimeStatus::Nonexistent) {
            // Not a clock time the zone showed: the offset before the change was in force.
            desfase = r.gap.before.offsetSeconds;
            continue;
        }
        if (r.readings.empty()) {
            error = r.message;
            return std::nullopt;
        }
        bool igual = false;
        for (const ZoneReading& z : r.readings) igual = igual || z.offsetSeconds == desfase;
        if (igual) return desfase;
        desfase = r.readings.front().offsetSeconds;
    }
    return desfase;
}

std::optional<NatalRecord> RegistroDeInstante(double jd, const LugarCarta& lugar,
                                              const std::string& nombre, std::string& error) {
    float horasZona = lugar.horasZona;
    if (!lugar.zona.empty()) {
        const auto d = DesfaseEnInstante(lugar.zona, jd, lugar.longitudDeg, error);
        if (!d) return std::nullopt;
        horasZona = static_cast<float>(-*d / 3600.0);
    }
    const double jdLocal = jd - horasZona / 24.0;
    const InstanteCivil c = InstanteDeJD(jdLocal);
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalNameFixed = Utf8CutOrPad(nombre, 30);
    r.NatalDay = static_cast<int16_t>(c.dia);
    r.NatalMonth = static_cast<int16_t>(c.mes);
    r.NatalYear = static_cast<int16_t>(c.anio);
    r.DayText = std::to_string(c.dia);
    r.MonthText = std::to_string(c.mes);
    r.YearText = std::to_string(c.anio);
    r.FechaNatalTexto = TextoFecha(c);
    r.HourText = DosCifras(c.hora);
    r.MinuteText = DosCifras(c.minuto);
    r.SecondText = DosCifras(c.segundo);
    r.TimeText = TextoHora(c);
    // The clock time unrounded, so the chart stands at the instant itself, not at its second.
    r.NatalHour = static_cast<float>((jdLocal - JulDay(c.dia, c.mes, c.anio)) * 24.0);
    r.ZoneHours = horasZona;
    const long zm = std::lround(std::fabs(horasZona) * 60);
    r.ZoneHourText = DosCifras(static_cast<int>(zm / 60));
    r.ZoneMinuteText = DosCifras(static_cast<int>(zm % 60));
    r.ZoneText = r.ZoneHourText + "." + r.ZoneMinuteText;
    r.ZoneSign = horasZona > 0 ? "-" : "+";
    r.ZoneFrom.zone = lugar.zona;
    r.ZoneFrom.offsetSeconds = std::lround(-horasZona * 3600.0);
    r.LatitudeDeg = static_cast<float>(lugar.latitudDeg);
    r.LongitudeDeg = static_cast<float>(lugar.longitudDeg);
    Coordenada(lugar.latitudDeg, "N", "S", r.LatDegText, r.LatMinText, r.LatHemisphere);
    Coordenada(lugar.longitudDeg, "E", "W", r.LonDegText, r.LonMinText, r.LonHemisphere);
    r.LatText = r.LatDegText + " " + r.LatMinText + " " + r.LatHemisphere;
    r.LonText = r.LonDegText + " " + r.LonMinText + " " + r.LonHemisphere;
    r.Place = Utf8CutOrPad(lugar.nombre, 30);
    return r;
}

}  // namespace natalis
