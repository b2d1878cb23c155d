// Reader of fixed-width chart lists.
#include "app/model/FormatoQuickChart.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "app/model/Cp1252.h"
#include "astro/TextTrim.h"

namespace natalis {

namespace {

constexpr std::size_t kAncho = 100;
constexpr std::size_t kComa = 29;  // 0-based column of the comma after the day

struct Columna {
    std::size_t desde, ancho;
};
constexpr Columna kNombre{0, 23}, kMes{23, 3}, kDia{26, 3}, kAnio{30, 5}, kHora{35, 11},
    kHuso{46, 10}, kLongitud{56, 10}, kLatitud{66, 9}, kLugar{75, 25};

// The line's characters, each one UTF-8 text.
std::vector<std::string> Caracteres(const std::string& linea) {
    std::vector<std::string> cs;
    for (std::size_t i = 0; i < linea.size();) {
        std::size_t n = 1;
        while (i + n < linea.size() && (static_cast<unsigned char>(linea[i + n]) & 0xC0) == 0x80)
            ++n;
        cs.push_back(linea.substr(i, n));
        i += n;
    }
    return cs;
}

std::string Trozo(const std::vector<std::string>& cs, Columna c) {
    std::string t;
    for (std::size_t i = c.desde; i < c.desde + c.ancho && i < cs.size(); ++i) t += cs[i];
    std::size_t a = 0, b = t.size();
    while (a < b && (t[a] == ' ' || t[a] == '\t')) ++a;
    while (b > a && (t[b - 1] == ' ' || t[b - 1] == '\t')) --b;
    return t.substr(a, b - a);
}

std::string Mayusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::optional<int> Mes(const std::string& t) {
    if (const auto n = EnteroExacto(t))
        return *n >= 1 && *n <= 12 ? std::optional<int>(*n) : std::nullopt;
    static const char* const kIngles[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    static const char* const kEspanol[] = {"ENE", "FEB", "MAR", "ABR", "MAY", "JUN",
                                           "JUL", "AGO", "SEP", "OCT", "NOV", "DIC"};
    const std::string m = Mayusculas(t);
    for (int i = 0; i < 12; ++i)
        if (m == kIngles[i] || m == kEspanol[i]) return i + 1;
    return std::nullopt;
}

// "09:30:00 AM", "12:05:00 PM", "21:30:00", "9:30": the clock on 24 hours.
bool Hora(const std::string& t, FechaHoraLocal& f) {
    std::string reloj = t;
    int mitad = -1;  // 0 morning, 1 afternoon, -1 a 24-hour clock
    const std::string m = Mayusculas(t);
    if (m.size() >= 2 &&
        (m.compare(m.size() - 2, 2, "AM") == 0 || m.compare(m.size() - 2, 2, "PM") == 0)) {
        mitad = m[m.size() - 2] == 'P';
        reloj = TrimBlanks(t.substr(0, t.size() - 2));
    }
    int partes[3] = {0, 0, 0};
    int n = 0;
    std::size_t desde = 0;
    for (;;) {
        const std::size_t p = reloj.find(':', desde);
        const auto v = EnteroExacto(reloj.substr(desde, p - desde));
        if (!v || *v < 0 || n == 3) return false;
        partes[n++] = static_cast<int>(*v);
        if (p == std::string::npos) break;
        desde = p + 1;
    }
    if (n < 2) return false;
    if (mitad >= 0) {
        if (partes[0] < 1 || partes[0] > 12) return false;
        partes[0] = partes[0] % 12 + 12 * mitad;  // 12 AM is midnight, 12 PM noon
    }
    f.hora = partes[0];
    f.minuto = partes[1];
    f.segundo = partes[2];
    f.conSegundos = n == 3;
    return true;
}

// Degrees (or hours) as "122W25", "3:42W", "37N23:10", "-3.7" or "40.42": the letter
// positiva or negativa, or a sign, gives the direction; without either it is positive.
std::optional<double> Angulo(const std::string& t, char positiva, char negativa) {
    std::string resto;
    int signo = 0;
    for (char c : t) {
        const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (u == positiva || u == negativa) {
            if (signo != 0) return std::nullopt;
            signo = u == positiva ? 1 : -1;
            resto += ':';
        } else {
            resto += c;
        }
    }
    if (!resto.empty() && resto.back() == ':') resto.pop_back();
    if (!resto.empty() && (resto[0] == '-' || resto[0] == '+')) {
        if (signo != 0) return std::nullopt;
        signo = resto[0] == '-' ? -1 : 1;
        resto.erase(0, 1);
    }
    if (signo == 0) signo = 1;
    for (char& c : resto)
        if (c == '\'' || c == ' ') c = ':';
    if (resto.find(':') == std::string::npos) {
        const auto v = DecimalExacto(resto);
        if (!v || *v < 0) return std::nullopt;
        return signo * *v;
    }
    double v = 0, unidad = 1;
    std::size_t desde = 0;
    for (int parte = 0;; ++parte) {
        const std::size_t p = resto.find(':', desde);
        const auto x = EnteroExacto(resto.substr(desde, p - desde));
        if (!x || *x < 0 || parte == 3 || (parte > 0 && *x > 59)) return std::nullopt;
        v += *x / unidad;
        unidad *= 60;
        if (p == std::string::npos) break;
        desde = p + 1;
    }
    return signo * v;
}

CartaLeida Carta(const std::vector<std::string>& cs, std::size_t renglon) {
    const std::string origen = OrigenRenglon(renglon);
    const std::string nombre = Trozo(cs, kNombre);
    const auto rechazo = [&](const std::string& por) {
        return CartaRechazada(origen, nombre, por);
    };
    if (cs.size() > kAncho)
        return rechazo("el renglón tiene " + std::to_string(cs.size()) +
                       " caracteres; los de esta lista tienen 100");
    FechaHoraLocal f;
    const auto mes = Mes(Trozo(cs, kMes));
    const auto dia = EnteroExacto(Trozo(cs, kDia));
    const auto anio = EnteroExacto(Trozo(cs, kAnio));
    if (!mes) return rechazo("el mes «" + Trozo(cs, kMes) + "» no es correcto");
    if (!dia || !anio || cs.size() <= kComa || cs[kComa] != ",")
        return rechazo("la fecha no está en las columnas 24 a 35 (mes, día, coma, año)");
    f.mes = *mes;
    f.dia = static_cast<int>(*dia);
    f.anio = static_cast<int>(*anio);
    f.calendario = f.anio < 1583 ? Calendario::Juliano : Calendario::Gregoriano;
    if (!Hora(Trozo(cs, kHora), f))
        return rechazo("la hora «" + Trozo(cs, kHora) + "» no es del tipo hh:mm:ss AM");
    const auto huso = Angulo(Trozo(cs, kHuso), 'E', 'W');
    if (!huso || std::fabs(*huso) > 15)
        return rechazo("el huso «" + Trozo(cs, kHuso) + "» no es del tipo 5:00W");
    const auto lon = Angulo(Trozo(cs, kLongitud), 'E', 'W');
    if (!lon || std::fabs(*lon) > 180)
        return rechazo("la longitud «" + Trozo(cs, kLongitud) + "» no es del tipo 122W25");
    const auto lat = Angulo(Trozo(cs, kLatitud), 'N', 'S');
    if (!lat || std::fabs(*lat) > 90)
        return rechazo("la latitud «" + Trozo(cs, kLatitud) + "» no es del tipo 37N23");
    DatosNacimiento d;
    d.nombre = nombre;
    d.lugar = Trozo(cs, kLugar);
    d.local = f;
    d.husoSegundos = std::lround(*huso * 3600);
    d.latitud = *lat;
    d.longitud = *lon;
    return CartaDesdeDatos(d, origen);
}

bool EnBlanco(const std::string& linea) {
    return linea.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

Lectura LeerQuickChart(std::string_view bytes) {
    Lectura lectura;
    const std::vector<std::string> renglones = Renglones(TextoUtf8(bytes));
    for (std::size_t n = 0; n < renglones.size(); ++n) {
        if (EnBlanco(renglones[n])) continue;
        lectura.cartas.push_back(Carta(Caracteres(renglones[n]), n + 1));
    }
    if (lectura.cartas.empty()) lectura.error = "El archivo no tiene ninguna carta.";
    return lectura;
}

bool PareceQuickChart(std::string_view bytes) {
    bool alguna = false;
    for (const std::string& r : Renglones(TextoUtf8(bytes))) {
        if (EnBlanco(r)) continue;
        const std::vector<std::string> cs = Caracteres(r);
        if (cs.size() > kAncho || cs.size() <= kComa || cs[kComa] != ",") return false;
        alguna = true;
    }
    return alguna;
}

}  // namespace natalis
