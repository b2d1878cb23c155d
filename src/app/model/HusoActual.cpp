#include "app/model/HusoActual.h"

#include <cmath>
#include <cstdlib>

#include "app/model/ZoneSourceLine.h"
#include "astro/NumberText.h"

namespace natalis {

HusoCajas CajasDeHuso(long offsetSeconds) {
    const long minutes = CIntEven(std::labs(offsetSeconds) / 60.0);
    return {offsetSeconds < 0 ? "-" : "+", ZeroPad(minutes / 60, 2), ZeroPad(minutes % 60, 2)};
}

ZoneSource FuenteDeLectura(const std::string& zone, const ZoneReading& r) {
    return {zone, r.offsetSeconds, r.abbreviation, r.summerTime, r.localMeanTime, TzdataVersion()};
}

std::string TextoUT(long offsetSeconds) {
    const long a = std::labs(offsetSeconds);
    std::string t = std::string("UT") + (offsetSeconds < 0 ? "-" : "+") + std::to_string(a / 3600);
    if (a % 3600 != 0) t += ":" + ZeroPad(a / 60 % 60, 2);
    if (a % 60 != 0) t += ":" + ZeroPad(a % 60, 2);
    return t;
}

std::string DescribirLectura(const ZoneSource& s) {
    const char* kind = s.localMeanTime ? "hora media local"
                       : s.summerTime  ? "horario de verano"
                                       : "hora normal";
    return s.abbreviation + ", " + kind + " · " + TextoUT(s.offsetSeconds);
}

const char kEscritoAMano[] = "escrito a mano";

std::string DescribirFuente(const ZoneSource& s) {
    return s.FromDatabase() ? s.zone + " · " + DescribirLectura(s) : kEscritoAMano;
}

namespace {

CivilTime BirthTime(const NatalRecord& rec) {
    const long seconds = CIntEven(ValLeading(rec.HourText) * 3600 +
                                  ValLeading(rec.MinuteText) * 60 + ValLeading(rec.SecondText));
    return {rec.NatalYear,
            rec.NatalMonth,
            rec.NatalDay,
            static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

std::string Version(const std::string& v) { return v.empty() ? "de versión desconocida" : v; }

}  // namespace

HusoActual ComprobarHuso(const NatalRecord& rec) {
    HusoActual h;
    const ZoneSource& used = rec.ZoneFrom;
    if (!used.FromDatabase()) return h;
    const ZoneTimeResult r = ResolveLocalTime(used.zone, BirthTime(rec), rec.LongitudeDeg);
    if (r.status != ZoneTimeStatus::Unique && r.status != ZoneTimeStatus::Ambiguous) {
        h.estado = HusoActualEstado::SinLectura;
        h.mensaje = r.message;
        return h;
    }
    for (const ZoneReading& reading : r.readings) {
        if (reading.offsetSeconds == used.offsetSeconds) {
            h.estado = HusoActualEstado::Igual;
            h.ahora = FuenteDeLectura(used.zone, reading);
            return h;
        }
    }
    if (r.status == ZoneTimeStatus::Ambiguous) {
        h.estado = HusoActualEstado::SinLectura;
        h.mensaje = "La hora de nacimiento se repite en " + used.zone +
                    " y la base de datos de husos horarios de hoy no da para ninguna de las dos "
                    "lecturas el huso " +
                    TextoUT(used.offsetSeconds) + " con que se calculó la carta.";
        return h;
    }
    h.estado = HusoActualEstado::Distinto;
    h.ahora = FuenteDeLectura(used.zone, r.readings[0]);
    h.mensaje = "La carta se calculó con el huso de " + used.zone + " " + DescribirLectura(used) +
                " (tzdata " + Version(used.tzdataVersion) +
                "). La base de datos de husos horarios de hoy (tzdata " +
                Version(h.ahora.tzdataVersion) + ") da para esa fecha y hora " +
                DescribirLectura(h.ahora) +
                ".\n¿Usar el huso de hoy en esta carta? (El archivo queda como está.)";
    return h;
}

void ActualizarHuso(NatalRecord& rec, const ZoneSource& ahora) {
    const HusoCajas cajas = CajasDeHuso(ahora.offsetSeconds);
    rec.ZoneFrom = ahora;
    rec.ZoneSign = cajas.sign;
    rec.ZoneHourText = cajas.hours;
    rec.ZoneMinuteText = cajas.minutes;
    rec.ZoneText = rec.ZoneHourText + "." + rec.ZoneMinuteText;
    rec.ZoneHours = static_cast<float>(-ahora.offsetSeconds / 3600.0);
}

}  // namespace natalis
