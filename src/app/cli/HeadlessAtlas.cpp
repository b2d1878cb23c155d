// The headless commands --lugar (atlas search) and --huso (a zone's offset on a day).
#include "app/cli/HeadlessAtlas.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

#include "app/cli/HeadlessOptions.h"
#include "app/model/Atlas.h"
#include "app/model/ChartFolderSetup.h"
#include "astro/DateTimeParse.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

namespace {

constexpr std::size_t kMostPlaces = 20;

// Degrees with 4 decimals, "-" only for a value that does not round to zero.
std::string Degrees4(double v) {
    if (std::fabs(v) < 0.00005) v = 0;
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
    return ec == std::errc() ? std::string(buf, end) : std::string("0.0000");
}

const char* ReadingKind(const ZoneReading& r) {
    if (r.localMeanTime) return "hora media local";
    return r.summerTime ? "verano" : "normal";
}

// The local date and clock time of --fecha and --hora, or the message rejecting them. The
// texts go through the program's own parsers, so their messages are the ones the windows
// give; what those let through (day 0, "1430" as hours) is caught here with the entry
// form's messages or the zone history's.
std::optional<CivilTime> ReadLocalTime(std::string fecha, std::string hora, std::string& message) {
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(fecha, d, m, a, message);
    if (!message.empty()) return std::nullopt;
    if (d == 0)
        message = "Falta el número de día";
    else if (m == 0)
        message = "Falta el número de mes";
    else if (d != std::floor(d) || m != std::floor(m) || a != std::floor(a) || d < 0 || m < 0)
        message = "La fecha " + fecha + " no existe.";
    if (!message.empty()) return std::nullopt;

    double h = 0;
    stringHora_a_h(hora, h, message);
    if (!message.empty()) return std::nullopt;
    if (!(h >= 0 && h < 24)) {
        message = "Las horas son de 0 á 23";
        return std::nullopt;
    }
    const long seconds = std::min(86399L, std::lround(h * 3600));
    return CivilTime{static_cast<int>(a),
                     static_cast<int>(m),
                     static_cast<int>(d),
                     static_cast<int>(seconds / 3600),
                     static_cast<int>(seconds / 60 % 60),
                     static_cast<int>(seconds % 60)};
}

}  // namespace

int HeadlessLugar(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--lugar", args, err);
    if (!opciones) return 2;
    // The user's own places live in the chart folder the window would use.
    std::string folder = ProcessChartFolder(opciones->carpeta).chartFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const Atlas atlas = Atlas::Load(SystemAtlasFile(), folder);
    for (const std::string& w : atlas.Warnings()) err << w << "\n";

    const std::vector<Place> found = atlas.Search(args[1], kMostPlaces);
    if (found.empty()) {
        err << LugarNoEncontrado(args[1]) << "\n";
        return 1;
    }
    for (const Place& p : found) {
        out << p.name << '\t' << p.region << '\t' << p.country << '\t' << Degrees4(p.latitudeDeg)
            << '\t' << Degrees4(p.longitudeDeg) << '\t' << p.zone << '\n';
    }
    return 0;
}

int HeadlessHuso(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--huso", args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    std::string message;
    const std::optional<CivilTime> local = ReadLocalTime(o.fechaHuso, o.horaHuso, message);
    if (!local) {
        err << message << "\n";
        return 2;
    }
    std::optional<double> longitude;
    if (o.longitud) {
        const std::string& text = *o.longitud;
        double v = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
            err << "La longitud «" << text << "» no es un número de grados (este positivo).\n";
            return 2;
        }
        longitude = v;
    }

    const ZoneTimeResult r = ResolveLocalTime(args[1], *local, longitude);
    switch (r.status) {
        case ZoneTimeStatus::Unique:
        case ZoneTimeStatus::Ambiguous:
            for (const ZoneReading& reading : r.readings) {
                out << FormatUtcOffset(reading.offsetSeconds) << '\t' << reading.abbreviation
                    << '\t' << ReadingKind(reading) << '\n';
            }
            return 0;
        case ZoneTimeStatus::Nonexistent:
            err << r.message << "\n";
            return 3;
        case ZoneTimeStatus::UnknownZone:
        case ZoneTimeStatus::InvalidTime:
        case ZoneTimeStatus::DatabaseError:
            break;
    }
    err << r.message << "\n";
    return 2;
}

}  // namespace natalis
