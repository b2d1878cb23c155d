#include "entry/ZonaDeLugar.h"

#include <cmath>
#include <cstdlib>

#include "app/model/Cp1252.h"
#include "app/model/HusoActual.h"
#include "astro/NumberText.h"
#include "astro/TimeZoneHistory.h"
#include "entry/RevisarDatos.h"

namespace natalis {

namespace {

constexpr std::size_t kPlaceLength = 30;  // the natal record keeps 30 characters
constexpr const char* kSeparador = " · ";

// Degrees and minutes of |value|, minutes rounded to the nearest, kept below maxDegrees.
void DegreesAndMinutes(double value, int width, long maxDegrees, std::string& deg,
                       std::string& min) {
    long minutes = CIntEven(std::fabs(value) * 60);
    minutes = std::min(minutes, maxDegrees * 60 - 1);
    deg = ZeroPad(minutes / 60, width);
    min = ZeroPad(minutes % 60, 2);
}

// The birth's local date and clock time from the boxes, when they make one.
std::optional<CivilTime> TypedTime(const FichaNatalTextos& f) {
    const double d = ValorEntero(f.TextDia), m = ValorEntero(f.TextMes);
    const double a = ValorEntero(f.TextAnno);
    const double h = ValorCaja(f.TextHShs), mi = ValorCaja(f.TextHSmin);
    const double s = ValorCaja(f.TextHSseg);
    const bool whole = h == std::floor(h) && mi == std::floor(mi) && s == std::floor(s);
    if (!(d >= 1 && d <= 31 && m >= 1 && m <= 12 && a >= -3000 && a <= 3000 && h >= 0 && h < 24 &&
          mi >= 0 && mi < 60 && s >= 0 && s < 60 && whole))
        return std::nullopt;
    return CivilTime{static_cast<int>(a), static_cast<int>(m),  static_cast<int>(d),
                     static_cast<int>(h), static_cast<int>(mi), static_cast<int>(s)};
}

// The longitude of the boxes, east positive, as the chart will use it.
double TypedLongitude(const FichaNatalTextos& f) {
    const double v = ValorCaja(f.TextLonGrad) + ValorCaja(f.TextLonMin) / 60;
    return f.LongitudOeste ? -v : v;
}

void WriteBoxes(FichaNatalTextos& f, const std::string& hours, const std::string& minutes) {
    f.TextHusoHoras = f.huso.horas = hours;
    f.TextHusoMinutos = f.huso.minutos = minutes;
}

void WriteReading(FichaNatalTextos& f) {
    const HusoCajas c = CajasDeHuso(f.huso.lecturas[f.huso.elegida].offsetSeconds);
    WriteBoxes(f, c.sign + c.hours, c.minutes);
}

bool SameOffsets(const std::vector<ZoneSource>& a, const std::vector<ZoneSource>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].offsetSeconds != b[i].offsetSeconds) return false;
    return true;
}

std::string ClockText(const CivilTime& t) {
    return ZeroPad(t.hour, 2) + ":" + ZeroPad(t.minute, 2) + ":" + ZeroPad(t.second, 2);
}

}  // namespace

std::string TextoDeLugar(const Place& p) {
    std::string t = p.name;
    for (const std::string* part : {&p.region, &p.country})
        if (!part->empty()) t += ", " + *part;
    return t;
}

std::string LugarParaFicha(const Place& p) {
    const std::string whole = TextoDeLugar(p);
    if (Utf8Length(whole) <= kPlaceLength) return whole;
    const std::string short_ = p.country.empty() ? p.name : p.name + ", " + p.country;
    return Utf8Length(short_) <= kPlaceLength ? short_ : p.name;
}

void ElegirLugar(FichaNatalTextos& f, const Place& p) {
    f.txtLugar = LugarParaFicha(p);
    DegreesAndMinutes(p.latitudeDeg, 2, 90, f.TextLatGrad, f.TextLatMin);
    f.LatitudSur = p.latitudeDeg < 0;
    f.LatitudElegida = true;
    DegreesAndMinutes(p.longitudeDeg, 3, 180, f.TextLonGrad, f.TextLonMin);
    f.LongitudOeste = p.longitudeDeg < 0;
    f.LongitudElegida = true;
    ElegirZona(f, p.zone);
}

void ElegirZona(FichaNatalTextos& f, const std::string& zone) {
    f.huso = HusoAtlas{};
    f.huso.zona = zone;
    RecalcularHuso(f, true);
}

bool HusoDelAtlasEnVigor(const FichaNatalTextos& f) {
    return !f.huso.zona.empty() && f.TextHusoHoras == f.huso.horas &&
           f.TextHusoMinutos == f.huso.minutos;
}

void RecalcularHuso(FichaNatalTextos& f, bool force) {
    if (f.huso.zona.empty() || (!force && !HusoDelAtlasEnVigor(f))) return;
    HusoAtlas& h = f.huso;
    const std::vector<ZoneSource> before = h.lecturas;
    const bool wasRepeated = h.estado == EstadoHusoAtlas::Repetida;
    const int chosen = h.elegida;
    h.lecturas.clear();
    h.elegida = -1;
    h.aviso.clear();

    const std::optional<CivilTime> local = TypedTime(f);
    if (!local) {
        h.estado = EstadoHusoAtlas::SinFecha;
        h.aviso = "falta la fecha o la hora";
        WriteBoxes(f, "", "");
        return;
    }
    const ZoneTimeResult r = ResolveLocalTime(h.zona, *local, TypedLongitude(f));
    for (const ZoneReading& reading : r.readings)
        h.lecturas.push_back(FuenteDeLectura(h.zona, reading));
    switch (r.status) {
        case ZoneTimeStatus::Unique:
            h.estado = EstadoHusoAtlas::Unica;
            h.elegida = 0;
            WriteReading(f);
            return;
        case ZoneTimeStatus::Ambiguous:
            h.estado = EstadoHusoAtlas::Repetida;
            h.aviso = "la hora " + ClockText(*local) + " se repitió: elija una de las dos lecturas";
            if (wasRepeated && chosen >= 0 && SameOffsets(before, h.lecturas)) {
                h.elegida = chosen;
                WriteReading(f);
            } else {
                WriteBoxes(f, "", "");
            }
            return;
        case ZoneTimeStatus::Nonexistent:
            h.estado = EstadoHusoAtlas::Saltada;
            break;
        default:
            h.estado = EstadoHusoAtlas::Error;
            break;
    }
    h.aviso = r.message;
    WriteBoxes(f, "", "");
}

void ElegirLectura(FichaNatalTextos& f, int index) {
    if (f.huso.estado != EstadoHusoAtlas::Repetida || index < 0 ||
        index >= static_cast<int>(f.huso.lecturas.size()))
        return;
    f.huso.elegida = index;
    WriteReading(f);
}

std::string LineaHuso(const FichaNatalTextos& f) {
    if (!HusoDelAtlasEnVigor(f)) return kEscritoAMano;
    const HusoAtlas& h = f.huso;
    if (h.elegida >= 0) return DescribirFuente(h.lecturas[h.elegida]);
    return h.zona + kSeparador + h.aviso;
}

std::optional<EntryFailure> RevisarHusoAtlas(const FichaNatalTextos& f) {
    if (!HusoDelAtlasEnVigor(f) || f.huso.elegida >= 0) return std::nullopt;
    switch (f.huso.estado) {
        case EstadoHusoAtlas::Repetida:
            return EntryFailure{"La hora de nacimiento se repitió en " + f.huso.zona +
                                    ": elija cuál de las dos lecturas del huso vale.",
                                "Corregir Huso", EntryField::TextHusoHoras};
        case EstadoHusoAtlas::Saltada:
            return EntryFailure{f.huso.aviso, "Corregir Hora", EntryField::TextHShs};
        default:
            return EntryFailure{
                "No hay huso de " + f.huso.zona + " para esa fecha y hora: " + f.huso.aviso + ".",
                "Corregir Huso", EntryField::TextHusoHoras};
    }
}

double MayorHusoAceptado(const FichaNatalTextos& f) { return HusoDelAtlasEnVigor(f) ? 14 : 12; }

std::optional<ZoneSource> FuenteDelHuso(const FichaNatalTextos& f) {
    if (!HusoDelAtlasEnVigor(f) || f.huso.elegida < 0) return std::nullopt;
    return f.huso.lecturas[f.huso.elegida];
}

void RecordarHusoGuardado(FichaNatalTextos& f, const NatalRecord& rec) {
    f.huso = HusoAtlas{};
    if (!rec.ZoneFrom.FromDatabase()) return;
    f.huso.zona = rec.ZoneFrom.zone;
    f.huso.estado = EstadoHusoAtlas::Unica;
    f.huso.lecturas = {rec.ZoneFrom};
    f.huso.elegida = 0;
    f.huso.horas = f.TextHusoHoras;
    f.huso.minutos = f.TextHusoMinutos;
}

Place LugarDeFicha(const FichaNatalTextos& f, const std::string& zone) {
    Place p;
    p.name = TrimBlanks(f.txtLugar);
    const double lat = ValorCaja(f.TextLatGrad) + ValorCaja(f.TextLatMin) / 60;
    p.latitudeDeg = f.LatitudSur ? -lat : lat;
    p.longitudeDeg = TypedLongitude(f);
    p.zone = zone;
    p.userPlace = true;
    return p;
}

}  // namespace natalis
