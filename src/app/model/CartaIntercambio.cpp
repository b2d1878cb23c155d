// Birth data of exchange files made into natal records the chart file can hold.
#include "app/model/CartaIntercambio.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/Transliteracion.h"
#include "astro/InstanteCivil.h"
#include "astro/NumberText.h"
#include "astro/TimeZoneHistory.h"
#include "astro/UtcOffsetText.h"

namespace natalis {

namespace {

constexpr double kSegundosDia = 86400;

// Why a stated local date and time is not one (day 31 of a 30-day month ...), or "".
std::string FallaFecha(const FechaHoraLocal& f) {
    if (f.mes < 1 || f.mes > 12)
        return "el mes " + std::to_string(f.mes) + " no es correcto: los meses son de 1 a 12";
    if (f.anio < -5000 || f.anio > 5000)
        return "el año " + std::to_string(f.anio) +
               " está fuera del rango del programa, de -3000 a 3000";
    const double primero = JulDayEn(f.calendario, 1, f.mes, f.anio);
    const double siguiente = f.mes == 12 ? JulDayEn(f.calendario, 1, 1, f.anio + 1)
                                         : JulDayEn(f.calendario, 1, f.mes + 1, f.anio);
    const int dias = static_cast<int>(std::lround(siguiente - primero));
    if (f.dia < 1 || f.dia > dias)
        return "el día " + std::to_string(f.dia) + " no existe en el mes " + std::to_string(f.mes) +
               " de " + std::to_string(f.anio);
    if (f.hora < 0 || f.hora > 23)
        return "la hora " + std::to_string(f.hora) + " no es correcta: las horas son de 0 a 23";
    if (f.minuto < 0 || f.minuto > 59)
        return "los minutos " + std::to_string(f.minuto) + " de la hora no son correctos";
    if (!(f.segundo >= 0 && f.segundo < 60))
        return "los segundos " + FormatGeneral(f.segundo) + " de la hora no son correctos";
    return "";
}

// Julian day (universal time) of a local date and time whose clock is huso seconds ahead.
double DiaJulianoDe(const FechaHoraLocal& f, long huso) {
    const double segundos =
        f.hora * 3600.0 + f.minuto * 60.0 + f.segundo - static_cast<double>(huso);
    return JulDayEn(f.calendario, f.dia, f.mes, f.anio) + segundos / kSegundosDia;
}

// "14.3.1879 11:30" or "14.3.1879 11:30:05", in the program's calendar.
std::string TextoInstante(const InstanteCivil& c, bool conSegundos) {
    std::string hora = std::to_string(c.hora) + ":" + ZeroPad(c.minuto, 2);
    if (conSegundos) hora += ":" + ZeroPad(c.segundo, 2);
    return std::to_string(c.dia) + "." + std::to_string(c.mes) + "." + std::to_string(c.anio) +
           " " + hora;
}

// Degrees (or hours) in whole minutes, the chart file's precision.
void Minutos(double valor, std::string& unidades, std::string& minutos) {
    const long m = std::lround(std::fabs(valor) * 60);
    unidades = std::to_string(m / 60);
    minutos = ZeroPad(m % 60, 2);
}

// The record the chart file's fields give for an instant in the program's calendar.
NatalRecord Registro(const std::string& nombre, const std::string& lugar, const InstanteCivil& c,
                     long husoSegundos, double latitud, double longitud) {
    const long husoMinutos = std::lround(husoSegundos / 60.0);
    NatalRecord r;
    r.NatalName = nombre;
    r.NatalNameFixed = Utf8CutOrPad(nombre, 30);
    r.NatalDay = static_cast<int16_t>(c.dia);
    r.NatalMonth = static_cast<int16_t>(c.mes);
    r.NatalYear = static_cast<int16_t>(c.anio);
    r.DayText = std::to_string(c.dia);
    r.MonthText = std::to_string(c.mes);
    r.YearText = std::to_string(c.anio);
    r.HourText = ZeroPad(c.hora, 2);
    r.MinuteText = ZeroPad(c.minuto, 2);
    r.SecondText = ZeroPad(c.segundo, 2);
    r.NatalHour = static_cast<float>(c.hora + c.minuto / 60.0 + c.segundo / 3600.0);
    r.ZoneHourText = std::to_string(std::labs(husoMinutos) / 60);
    r.ZoneMinuteText = ZeroPad(std::labs(husoMinutos) % 60, 2);
    r.ZoneHours = static_cast<float>(-husoSegundos / 3600.0);
    Minutos(latitud, r.LatDegText, r.LatMinText);
    r.LatHemisphere = latitud < 0 ? "S" : "N";
    r.LatitudeDeg = static_cast<float>(latitud);
    Minutos(longitud, r.LonDegText, r.LonMinText);
    r.LonHemisphere = longitud < 0 ? "W" : "E";
    r.LongitudeDeg = static_cast<float>(longitud);
    r.Place = Utf8CutOrPad(lugar, 30);
    return r;
}

// The database's reading of zone at the clock time reloj that has the offset huso, or
// nothing (with the reason in aviso when the zone does not give that offset then).
std::optional<ZoneSource> FuenteDeZona(const std::string& zona, const InstanteCivil& reloj,
                                       long huso, double longitud, std::string& aviso) {
    if (zona.empty()) return std::nullopt;
    if (!ZoneExists(zona)) {
        aviso = "la zona «" + zona + "» no está en la base de datos de husos horarios";
        return std::nullopt;
    }
    const CivilTime local{reloj.anio, reloj.mes,    reloj.dia,
                          reloj.hora, reloj.minuto, reloj.segundo};
    const ZoneTimeResult r = ResolveLocalTime(zona, local, longitud);
    for (const ZoneReading& z : r.readings) {
        if (z.offsetSeconds != huso) continue;
        return ZoneSource{zona,         z.offsetSeconds, z.abbreviation,
                          z.summerTime, z.localMeanTime, TzdataVersion()};
    }
    aviso = "la zona «" + zona + "» no da el huso " + FormatUtcOffset(huso) +
            " en esa fecha; se guarda el huso sin la zona";
    return std::nullopt;
}

}  // namespace

CartaLeida CartaRechazada(const std::string& origen, const std::string& nombre,
                          const std::string& rechazo) {
    CartaLeida c;
    c.origen = origen;
    c.nombre = nombre;
    c.rechazo = rechazo;
    return c;
}

CartaLeida CartaDesdeDatos(const DatosNacimiento& d, const std::string& origen,
                           std::vector<std::string> avisos) {
    CartaLeida carta = CartaRechazada(origen, d.nombre, "");
    carta.avisos = std::move(avisos);
    if (d.local) {
        const std::string falla = FallaFecha(*d.local);
        if (!falla.empty() && !d.diaJuliano) return CartaRechazada(origen, d.nombre, falla);
        if (!falla.empty()) carta.avisos.push_back(falla + "; vale el día juliano");
    }
    if (!d.local && !d.diaJuliano)
        return CartaRechazada(origen, d.nombre, "faltan la fecha o la hora de nacimiento");

    const double jd = d.diaJuliano ? *d.diaJuliano : DiaJulianoDe(*d.local, d.husoSegundos);
    if (!std::isfinite(jd) || jd < JulDay(1, 1, -3000) || jd >= JulDay(1, 1, 3001))
        return CartaRechazada(origen, d.nombre,
                              "la fecha está fuera del rango del programa, de -3000 a 3000");
    if (!(std::fabs(d.latitud) <= 90 && std::fabs(d.longitud) <= 180))
        return CartaRechazada(origen, d.nombre, "la latitud o la longitud no son correctas");
    if (std::labs(d.husoSegundos) > 15 * 3600)
        return CartaRechazada(origen, d.nombre,
                              "el huso " + FormatUtcOffset(d.husoSegundos) + " no es correcto");

    // The chart file keeps the zone to the minute, unless the database's zone gives it to
    // the second: otherwise the clock time moves with the rounding, keeping the instant.
    std::string avisoZona;
    const std::optional<ZoneSource> fuente =
        FuenteDeZona(d.zona, InstanteDeJD(jd + d.husoSegundos / kSegundosDia), d.husoSegundos,
                     d.longitud, avisoZona);
    const long huso = fuente ? d.husoSegundos : std::lround(d.husoSegundos / 60.0) * 60;
    const InstanteCivil reloj = InstanteDeJD(jd + huso / kSegundosDia);
    if (d.local && d.diaJuliano && FallaFecha(*d.local).empty()) {
        const double delArchivoJD = DiaJulianoDe(*d.local, d.husoSegundos);
        if (std::fabs(delArchivoJD - jd) * kSegundosDia > (d.local->conSegundos ? 1.0 : 60.0)) {
            const FechaHoraLocal& l = *d.local;
            const InstanteCivil delArchivo{l.dia,  l.mes,    l.anio,
                                           l.hora, l.minuto, static_cast<int>(l.segundo)};
            carta.avisos.push_back("la fecha y la hora (" +
                                   TextoInstante(delArchivo, d.local->conSegundos) +
                                   ") no concuerdan con el día juliano, que da " +
                                   TextoInstante(reloj, true) + "; vale el día juliano");
        }
    }
    if (!avisoZona.empty()) carta.avisos.push_back(avisoZona);
    if (huso != d.husoSegundos)
        carta.avisos.push_back("el huso " + FormatUtcOffset(d.husoSegundos) +
                               " se guarda al minuto, con la hora local corrida para conservar "
                               "el instante");

    const TextoTransliterado nombre = Transliterar(d.nombre);
    const TextoTransliterado lugar = Transliterar(d.lugar);
    std::string notas = d.notas;
    if (Utf8Length(lugar.texto) > 30) notas += (notas.empty() ? "" : "\n") + ("Lugar: " + d.lugar);
    const TextoTransliterado notasT = Transliterar(notas);
    std::vector<std::string> cambios = nombre.cambios;
    for (const auto* t : {&lugar, &notasT})
        for (const std::string& c : t->cambios)
            if (std::find(cambios.begin(), cambios.end(), c) == cambios.end()) cambios.push_back(c);
    if (!cambios.empty()) carta.avisos.push_back(AvisoTransliteracion(cambios));

    NatalRecord r = Registro(nombre.texto, lugar.texto, reloj, huso, d.latitud, d.longitud);
    if (fuente) r.ZoneFrom = *fuente;
    if (auto problema = ChartRecordProblem(r)) return CartaRechazada(origen, d.nombre, *problema);
    std::istringstream archivo(Utf8ToCp1252(ChartFileText(r, nullptr)).bytes);
    NatalRecord leido;
    const ChartReadResult lectura = ReadChartStream(archivo, "", leido);
    if (!lectura.ok) return CartaRechazada(origen, d.nombre, lectura.reason);
    carta.registro = leido;
    carta.notas = notasT.texto;
    return carta;
}

long HusoSegundos(const NatalRecord& rec) {
    if (rec.ZoneFrom.FromDatabase()) return rec.ZoneFrom.offsetSeconds;
    return -std::lround(rec.ZoneHours * 60.0) * 60;
}

double DiaJulianoUT(const NatalRecord& rec) {
    const double reloj = ValLeading(rec.HourText) * 3600 + ValLeading(rec.MinuteText) * 60 +
                         ValLeading(rec.SecondText);
    return JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear) +
           (reloj - static_cast<double>(HusoSegundos(rec))) / kSegundosDia;
}

namespace {

// True when bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool EsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = b < 0x80                ? 1
                        : b >= 0xC2 && b < 0xE0 ? 2
                        : b >= 0xE0 && b < 0xF0 ? 3
                        : b >= 0xF0 && b < 0xF5 ? 4
                                                : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        const auto b1 = static_cast<unsigned char>(n > 1 ? s[i + 1] : 0);
        if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0) || (b == 0xF0 && b1 < 0x90) ||
            (b == 0xF4 && b1 >= 0x90))
            return false;
        i += n;
    }
    return true;
}

}  // namespace

std::string TextoUtf8(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return EsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::vector<std::string> Renglones(std::string_view texto) {
    std::vector<std::string> renglones;
    std::string actual;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\r' || c == '\n') {
            renglones.push_back(actual);
            actual.clear();
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        } else {
            actual += c;
        }
    }
    if (!actual.empty()) renglones.push_back(actual);
    return renglones;
}

std::string OrigenRenglon(std::size_t n) { return "renglón " + std::to_string(n); }

std::optional<long> EnteroExacto(std::string_view texto) {
    if (!texto.empty() && texto[0] == '+') texto.remove_prefix(1);
    long v = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (texto.empty() || ec != std::errc() || fin != texto.data() + texto.size())
        return std::nullopt;
    return v;
}

std::optional<double> DecimalExacto(std::string_view texto) {
    std::string t(texto);
    for (char& c : t)
        if (c == ',') c = '.';
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    if (t.empty() || t.find_first_not_of("-.0123456789") != std::string::npos) return std::nullopt;
    double v = 0;
    const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || fin != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace natalis
