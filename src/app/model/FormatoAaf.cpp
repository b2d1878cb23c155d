// Reader and writer of the astrological exchange format.
#include "app/model/FormatoAaf.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "astro/NumberText.h"
#include "astro/TextTrim.h"
#include "astro/TimeZoneHistory.h"

namespace natalis {

namespace {

constexpr char kDesconocido[] = "*";

// The text without blanks or tabs around it.
std::string Limpio(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    return std::string(s.substr(a, b - a));
}

std::vector<std::string> Campos(const std::string& datos) {
    std::vector<std::string> campos;
    std::size_t desde = 0;
    for (;;) {
        const std::size_t coma = datos.find(',', desde);
        campos.push_back(Limpio(std::string_view(datos).substr(desde, coma - desde)));
        if (coma == std::string::npos) return campos;
        desde = coma + 1;
    }
}

// Digits from position i on, as a whole number; i moves past them. Nothing without digits.
std::optional<long> Cifras(const std::string& s, std::size_t& i) {
    const std::size_t desde = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - desde < 9) ++i;
    if (i == desde) return std::nullopt;
    return std::stol(s.substr(desde, i - desde));
}

// "49n05", "8e11", "122w25:30": degrees, the hemisphere's letter, minutes and optional
// seconds. Positive north or east.
std::optional<double> Coordenada(const std::string& s, char positiva, char negativa) {
    std::size_t i = 0;
    const auto grados = Cifras(s, i);
    if (!grados || i >= s.size()) return std::nullopt;
    const char letra = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
    if (letra != positiva && letra != negativa) return std::nullopt;
    const auto minutos = Cifras(s, i);
    if (!minutos || *minutos > 59) return std::nullopt;
    long segundos = 0;
    if (i < s.size() && s[i] == ':') {
        ++i;
        const auto sec = Cifras(s, i);
        if (!sec || *sec > 59) return std::nullopt;
        segundos = *sec;
    }
    if (i != s.size()) return std::nullopt;
    const double v = *grados + *minutos / 60.0 + segundos / 3600.0;
    return letra == positiva ? v : -v;
}

// "1he00", "8hw00", "5hw30", "0h00": seconds the clock is ahead of universal time.
std::optional<long> Huso(const std::string& s) {
    std::size_t i = 0;
    const auto horas = Cifras(s, i);
    if (!horas || i >= s.size() || (s[i] != 'h' && s[i] != 'H')) return std::nullopt;
    ++i;
    int signo = 1;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'w' || s[i] == 'W')) {
        signo = s[i] == 'w' || s[i] == 'W' ? -1 : 1;
        ++i;
    }
    long minutos = 0;
    if (i < s.size()) {
        const auto m = Cifras(s, i);
        if (!m || *m > 59 || i != s.size()) return std::nullopt;
        minutos = *m;
    }
    return signo * (*horas * 3600 + minutos * 60);
}

// "14.3.1975", "14.3.1975g", "2.1.1700j", "1.1.-44j".
bool LeerFecha(const std::string& s, FechaHoraLocal& f) {
    std::string t = s;
    f.calendario = Calendario::Gregoriano;
    if (!t.empty() && (t.back() == 'j' || t.back() == 'J')) f.calendario = Calendario::Juliano;
    if (!t.empty() && std::isalpha(static_cast<unsigned char>(t.back()))) {
        if (t.back() != 'j' && t.back() != 'J' && t.back() != 'g' && t.back() != 'G') return false;
        t.pop_back();
    }
    const std::size_t p1 = t.find('.'), p2 = t.find('.', p1 == std::string::npos ? p1 : p1 + 1);
    if (p1 == std::string::npos || p2 == std::string::npos) return false;
    const auto d = EnteroExacto(t.substr(0, p1));
    const auto m = EnteroExacto(t.substr(p1 + 1, p2 - p1 - 1));
    const auto a = EnteroExacto(t.substr(p2 + 1));
    if (!d || !m || !a || *a < -99999 || *a > 99999) return false;
    f.dia = static_cast<int>(*d);
    f.mes = static_cast<int>(*m);
    f.anio = static_cast<int>(*a);
    return true;
}

// "9:30", "09:30:15": a 24-hour clock and nothing else, so that no letter is ever read as
// a morning or an afternoon.
bool LeerHora(const std::string& s, FechaHoraLocal& f) {
    std::size_t i = 0;
    const auto h = Cifras(s, i);
    if (!h || i >= s.size() || s[i] != ':') return false;
    ++i;
    const auto m = Cifras(s, i);
    if (!m) return false;
    f.hora = static_cast<int>(*h);
    f.minuto = static_cast<int>(*m);
    f.segundo = 0;
    f.conSegundos = false;
    if (i < s.size() && s[i] == ':') {
        ++i;
        const auto sec = Cifras(s, i);
        if (!sec) return false;
        f.segundo = static_cast<double>(*sec);
        f.conSegundos = true;
    }
    return i == s.size();
}

// One chart being read: its chunks as they come.
struct Registro {
    std::size_t renglon = 0;
    std::vector<std::string> a93, b93;
    std::vector<std::string> otros;  // "SRC: ...", in the order of the file
    std::string zona;                // #ZNAM, when the time-zone database knows it
};

std::string Nombre(const std::vector<std::string>& a93) {
    const auto conocido = [&](std::size_t i) {
        return i < a93.size() && a93[i] != kDesconocido ? a93[i] : std::string();
    };
    const std::string apellido = conocido(0), nombre = conocido(1);
    if (apellido.empty() || nombre.empty()) return nombre + apellido;
    return nombre + " " + apellido;
}

CartaLeida Carta(const Registro& r) {
    const std::string origen = OrigenRenglon(r.renglon);
    const std::string nombre = Nombre(r.a93);
    const auto rechazo = [&](const std::string& por) {
        return CartaRechazada(origen, nombre, por);
    };
    if (r.a93.size() != 7)
        return rechazo("#A93 debe tener 7 campos separados por comas y tiene " +
                       std::to_string(r.a93.size()));
    if (r.b93.empty()) return rechazo("falta el renglón #B93, con las coordenadas y el huso");
    if (r.b93.size() != 5)
        return rechazo("#B93 debe tener 5 campos separados por comas y tiene " +
                       std::to_string(r.b93.size()));
    DatosNacimiento d;
    d.nombre = nombre;
    d.zona = r.zona;
    // The place and its region or country make the chart's place, "Sevilla, ES".
    const std::string& lugar = r.a93[5];
    const std::string& region = r.a93[6];
    d.lugar = lugar == kDesconocido ? "" : lugar;
    if (region != kDesconocido && !region.empty())
        d.lugar += (d.lugar.empty() ? "" : ", ") + region;
    for (std::size_t i = 0; i < r.otros.size(); ++i) d.notas += (i ? "\n" : "") + r.otros[i];

    FechaHoraLocal f;
    const std::string& fecha = r.a93[3];
    const std::string& hora = r.a93[4];
    const bool fechaDada = fecha != kDesconocido, horaDada = hora != kDesconocido;
    if (fechaDada && !LeerFecha(fecha, f))
        return rechazo("la fecha «" + fecha + "» no es del tipo d.m.aaaa");
    if (horaDada && !LeerHora(hora, f))
        return rechazo("la hora «" + hora + "» no es del tipo hh:mm o hh:mm:ss (24 horas)");
    if (fechaDada && horaDada) d.local = f;

    const std::string& jd = r.b93[0];
    if (jd != kDesconocido) {
        const auto v = DecimalExacto(jd);
        if (!v) return rechazo("el día juliano «" + jd + "» no es un número");
        d.diaJuliano = *v;
    }
    const auto lat = Coordenada(r.b93[1], 'n', 's');
    if (!lat || std::fabs(*lat) > 90)
        return rechazo("la latitud «" + r.b93[1] + "» no es del tipo 49n05");
    const auto lon = Coordenada(r.b93[2], 'e', 'w');
    if (!lon || std::fabs(*lon) > 180)
        return rechazo("la longitud «" + r.b93[2] + "» no es del tipo 8e11");
    d.latitud = *lat;
    d.longitud = *lon;
    const std::string& verano = r.b93[4];
    if (verano == "L" || verano == "l") {
        // The place's mean time: four minutes of clock for each degree east.
        d.husoSegundos = std::lround(*lon * 240);
    } else {
        const auto huso = Huso(r.b93[3]);
        if (!huso) return rechazo("el huso «" + r.b93[3] + "» no es del tipo 1he00 u 8hw00");
        long adelanto = 0;
        if (verano == "1")
            adelanto = 3600;
        else if (verano == "D" || verano == "d" || verano == "2")
            adelanto = 7200;
        else if (verano != "0" && verano != kDesconocido && !verano.empty())
            return rechazo("la hora de verano «" + verano + "» no es 0, 1, D ni L");
        d.husoSegundos = *huso + adelanto;
    }
    if (!d.local && !d.diaJuliano)
        return rechazo(!fechaDada ? "falta la fecha y no hay día juliano"
                                  : "falta la hora y no hay día juliano");
    return CartaDesdeDatos(d, origen);
}

// Commas cannot be escaped in a field: a field written with one would read as two.
std::string Campo(const std::string& texto) {
    std::string t = TrimBlanks(texto);
    for (char& c : t)
        if (c == ',') c = ';';
    return t.empty() ? kDesconocido : t;
}

// "37n23", "5w59": whole minutes, as the chart keeps them.
std::string CoordenadaAaf(double grados, char positiva, char negativa) {
    const long minutos = std::lround(std::fabs(grados) * 60);
    return std::to_string(minutos / 60) + (grados < 0 ? negativa : positiva) +
           ZeroPad(minutos % 60, 2);
}

std::string HusoAaf(long segundos) {
    const long minutos = std::lround(std::labs(segundos) / 60.0);
    return std::to_string(minutos / 60) + "h" + (segundos < 0 ? "w" : "e") +
           ZeroPad(minutos % 60, 2);
}

}  // namespace

Lectura LeerAaf(std::string_view bytes) {
    Lectura lectura;
    std::vector<Registro> registros;
    const std::vector<std::string> renglones = Renglones(TextoUtf8(bytes));
    for (std::size_t n = 0; n < renglones.size(); ++n) {
        const std::string linea = Limpio(renglones[n]);
        if (linea.size() < 2 || linea[0] != '#' || linea[1] == ':') continue;
        const std::size_t dosPuntos = linea.find(':');
        if (dosPuntos == std::string::npos) continue;
        const std::string id = linea.substr(1, dosPuntos - 1);
        const std::string datos = linea.substr(dosPuntos + 1);
        if (id == "A93") {
            registros.push_back({n + 1, Campos(datos), {}, {}, {}});
        } else if (registros.empty()) {
            continue;  // a chunk before the first chart belongs to none
        } else if (id == "B93") {
            registros.back().b93 = Campos(datos);
        } else if (id == "ZNAM" && ZoneExists(Limpio(datos))) {
            registros.back().zona = Limpio(datos);  // becomes the zone source, not a note
        } else if (id == "COM") {
            registros.back().otros.push_back(Limpio(datos));  // the notes' own lines
        } else {
            registros.back().otros.push_back(id + ": " + Limpio(datos));
        }
    }
    if (registros.empty()) {
        lectura.error = "El archivo no tiene ninguna carta (renglones #A93:).";
        return lectura;
    }
    for (const Registro& r : registros) lectura.cartas.push_back(Carta(r));
    return lectura;
}

std::string EscribirAaf(const std::vector<CartaGuardada>& cartas) {
    std::string texto = "#: Cartas de Natalis\r\n";
    for (const CartaGuardada& c : cartas) {
        const NatalRecord& r = c.registro;
        const bool juliano = r.NatalYear < 1583;  // the program's calendar
        long huso = HusoSegundos(r);
        const bool verano = r.ZoneFrom.FromDatabase() && r.ZoneFrom.summerTime;
        const bool mediaLocal = r.ZoneFrom.FromDatabase() && r.ZoneFrom.localMeanTime;
        if (verano) huso -= 3600;
        char jd[40];
        std::snprintf(jd, sizeof jd, "%.6f", DiaJulianoUT(r));
        const long reloj = std::lround(ValLeading(r.HourText) * 3600 +
                                       ValLeading(r.MinuteText) * 60 + ValLeading(r.SecondText));
        // "Tokio, Japón": the place, then its region or country.
        const std::string lugar = TrimBlanks(r.Place);
        const std::size_t coma = lugar.find(',');
        const std::string sitio = lugar.substr(0, coma);
        const std::string region = coma == std::string::npos ? "" : lugar.substr(coma + 1);
        texto += "#A93:" + Campo(r.NatalName) + ",*,*," + std::to_string(r.NatalDay) + "." +
                 std::to_string(r.NatalMonth) + "." + std::to_string(r.NatalYear) +
                 (juliano ? "j" : "g") + "," + ZeroPad(reloj / 3600, 2) + ":" +
                 ZeroPad(reloj / 60 % 60, 2) + ":" + ZeroPad(reloj % 60, 2) + "," + Campo(sitio) +
                 "," + Campo(region) + "\r\n";
        texto += "#B93:" + std::string(jd) + "," + CoordenadaAaf(r.LatitudeDeg, 'n', 's') + "," +
                 CoordenadaAaf(r.LongitudeDeg, 'e', 'w') + "," + HusoAaf(huso) + "," +
                 (mediaLocal ? "L"
                  : verano   ? "1"
                             : "0") +
                 "\r\n";
        if (r.ZoneFrom.FromDatabase()) texto += "#ZNAM:" + r.ZoneFrom.zone + "\r\n";
        for (const std::string& renglon : Renglones(c.notas)) texto += "#COM:" + renglon + "\r\n";
    }
    return texto;
}

bool PareceAaf(std::string_view b) {
    const std::string t = TextoUtf8(b.substr(0, 1 << 16));
    return t.find("#A93:") != std::string::npos;
}

}  // namespace natalis
