// Reader and writer of comma-separated chart tables.
#include "app/model/FormatoCsv.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

#include "app/model/ZoneSourceLine.h"
#include "astro/NumberText.h"
#include "astro/TextTrim.h"
#include "astro/UtcOffsetText.h"

namespace natalis {

namespace {

const char* const kColumnas[] = {"nombre", "dia",        "mes",  "anio",        "hora",
                                 "minuto", "segundo",    "huso", "latitud",     "longitud",
                                 "lugar",  "calendario", "zona", "abreviatura", "tipo_huso",
                                 "tzdata", "notas"};

// A field quoted when it holds the separator, a quote or a line end.
std::string Celda(const std::string& texto) {
    if (texto.find_first_of(",\"\r\n") == std::string::npos) return texto;
    std::string out = "\"";
    for (char c : texto) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Decimal(double v, int decimales) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", decimales, v);
    return buf;
}

// Degrees of a chart's latitude or longitude, which the chart keeps to the whole minute.
std::string GradosAlMinuto(float grados) {
    const double minutos = std::lround(std::fabs(grados) * 60.0);
    return Decimal((grados < 0 ? -minutos : minutos) / 60.0, 6);
}

struct Fila {
    std::size_t renglon;
    std::vector<std::string> campos;
};

// The rows of a table: separator sep, quotes around a field allowed, line ends inside one.
std::vector<Fila> Filas(const std::string& texto, char sep) {
    std::vector<Fila> filas;
    Fila fila{1, {}};
    std::string campo;
    bool comillas = false, hayAlgo = false;
    std::size_t renglon = 1;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (comillas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                comillas = false;
            } else {
                if (c == '\n') ++renglon;
                campo += c;
            }
        } else if (c == '"') {
            comillas = true;
            hayAlgo = true;
        } else if (c == sep) {
            fila.campos.push_back(TrimBlanks(campo));
            campo.clear();
            hayAlgo = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            if (hayAlgo || !campo.empty()) {
                fila.campos.push_back(TrimBlanks(campo));
                filas.push_back(fila);
            }
            campo.clear();
            hayAlgo = false;
            fila = Fila{++renglon, {}};
        } else {
            campo += c;
            hayAlgo = true;
        }
    }
    if (hayAlgo || !campo.empty()) {
        fila.campos.push_back(TrimBlanks(campo));
        filas.push_back(fila);
    }
    return filas;
}

std::string Minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "+01:00:00", "-05:30", "+1", "-3.5": hours ahead of universal time, in seconds.
std::optional<long> HusoCsv(const std::string& s) {
    if (s.empty()) return std::nullopt;
    const char signo = s[0];
    const std::string cuerpo = signo == '+' || signo == '-' ? s.substr(1) : s;
    const int factor = signo == '-' ? -1 : 1;
    if (cuerpo.find(':') == std::string::npos) {
        const auto horas = DecimalExacto(cuerpo);
        if (!horas || *horas < 0) return std::nullopt;
        return factor * std::lround(*horas * 3600);
    }
    long total = 0;
    int partes = 0;
    std::size_t desde = 0;
    for (;;) {
        const std::size_t p = cuerpo.find(':', desde);
        const auto v = EnteroExacto(cuerpo.substr(desde, p - desde));
        if (!v || *v < 0 || (partes > 0 && *v > 59) || partes == 3) return std::nullopt;
        total += *v * (partes == 0 ? 3600 : partes == 1 ? 60 : 1);
        ++partes;
        if (p == std::string::npos) break;
        desde = p + 1;
    }
    return factor * total;
}

}  // namespace

std::string EscribirCsv(const std::vector<CartaGuardada>& cartas,
                        const std::vector<ColumnaPosiciones>& puntos) {
    std::string texto;
    for (const char* c : kColumnas) texto += (texto.empty() ? "" : ",") + std::string(c);
    for (const ColumnaPosiciones& p : puntos) texto += "," + Celda(p.nombre);
    texto += "\r\n";
    for (std::size_t i = 0; i < cartas.size(); ++i) {
        const NatalRecord& r = cartas[i].registro;
        const ZoneSource& z = r.ZoneFrom;
        const long reloj = std::lround(ValLeading(r.HourText) * 3600 +
                                       ValLeading(r.MinuteText) * 60 + ValLeading(r.SecondText));
        const std::string campos[] = {
            TrimBlanks(r.NatalName),
            std::to_string(r.NatalDay),
            std::to_string(r.NatalMonth),
            std::to_string(r.NatalYear),
            std::to_string(reloj / 3600),
            std::to_string(reloj / 60 % 60),
            std::to_string(reloj % 60),
            FormatUtcOffset(HusoSegundos(r)),
            GradosAlMinuto(r.LatitudeDeg),
            GradosAlMinuto(r.LongitudeDeg),
            TrimBlanks(r.Place),
            r.NatalYear < 1583 ? "juliano" : "gregoriano",
            z.zone,
            z.abbreviation,
            z.FromDatabase() ? ZoneKindWord(z) : "a mano",
            z.tzdataVersion,
            cartas[i].notas,
        };
        std::string renglon;
        for (const std::string& c : campos) renglon += (renglon.empty() ? "" : ",") + Celda(c);
        for (const ColumnaPosiciones& p : puntos)
            renglon += "," + (i < p.longitudes.size() && std::isfinite(p.longitudes[i])
                                  ? Decimal(p.longitudes[i], 6)
                                  : "");
        texto += renglon + "\r\n";
    }
    return texto;
}

Lectura LeerCsv(std::string_view bytes) {
    Lectura lectura;
    const std::string texto = TextoUtf8(bytes);
    const std::string primero = texto.substr(0, texto.find_first_of("\r\n"));
    const std::size_t comas = std::count(primero.begin(), primero.end(), ',');
    const std::size_t puntoYComa = std::count(primero.begin(), primero.end(), ';');
    const std::size_t tabs = std::count(primero.begin(), primero.end(), '\t');
    const char sep = tabs > comas && tabs > puntoYComa ? '\t' : puntoYComa > comas ? ';' : ',';
    const std::vector<Fila> filas = Filas(texto, sep);
    if (filas.empty()) {
        lectura.error = "El archivo está vacío.";
        return lectura;
    }
    std::vector<std::string> cabecera;
    for (const std::string& c : filas[0].campos) cabecera.push_back(Minusculas(c));
    const auto columna = [&](const char* nombre) -> std::optional<std::size_t> {
        const auto it = std::find(cabecera.begin(), cabecera.end(), nombre);
        if (it == cabecera.end()) return std::nullopt;
        return static_cast<std::size_t>(it - cabecera.begin());
    };
    std::string faltan;
    for (const char* necesaria :
         {"dia", "mes", "anio", "hora", "minuto", "huso", "latitud", "longitud"})
        if (!columna(necesaria)) faltan += (faltan.empty() ? "" : ", ") + std::string(necesaria);
    if (!faltan.empty()) {
        lectura.error = "Faltan columnas en el primer renglón: " + faltan + ".";
        return lectura;
    }
    for (std::size_t f = 1; f < filas.size(); ++f) {
        const Fila& fila = filas[f];
        const auto valor = [&](const char* nombre) -> std::string {
            const auto c = columna(nombre);
            return c && *c < fila.campos.size() ? fila.campos[*c] : std::string();
        };
        const std::string origen = OrigenRenglon(fila.renglon);
        const std::string nombre = valor("nombre");
        const auto rechazo = [&](const std::string& por) {
            return CartaRechazada(origen, nombre, por);
        };
        DatosNacimiento d;
        d.nombre = nombre;
        d.lugar = valor("lugar");
        d.notas = valor("notas");
        d.zona = valor("zona");
        FechaHoraLocal l;
        struct Entero {
            const char* columna;
            int* destino;
            bool opcional;
        };
        int segundo = 0;
        const Entero enteros[] = {{"dia", &l.dia, false},       {"mes", &l.mes, false},
                                  {"anio", &l.anio, false},     {"hora", &l.hora, false},
                                  {"minuto", &l.minuto, false}, {"segundo", &segundo, true}};
        std::string falla;
        for (const Entero& e : enteros) {
            const std::string v = valor(e.columna);
            if (v.empty() && e.opcional) continue;
            const auto n = EnteroExacto(v);
            if (!n || *n < -99999 || *n > 99999) {
                falla = "la columna " + std::string(e.columna) + " no tiene un número entero: «" +
                        v + "»";
                break;
            }
            *e.destino = static_cast<int>(*n);
        }
        if (!falla.empty()) {
            lectura.cartas.push_back(rechazo(falla));
            continue;
        }
        l.segundo = segundo;
        const std::string calendario = Minusculas(valor("calendario"));
        if (calendario == "juliano")
            l.calendario = Calendario::Juliano;
        else if (calendario == "gregoriano")
            l.calendario = Calendario::Gregoriano;
        else if (calendario.empty())
            l.calendario = l.anio < 1583 ? Calendario::Juliano : Calendario::Gregoriano;
        else {
            lectura.cartas.push_back(
                rechazo("el calendario «" + calendario + "» no es juliano ni gregoriano"));
            continue;
        }
        d.local = l;
        const auto huso = HusoCsv(valor("huso"));
        const auto lat = DecimalExacto(valor("latitud"));
        const auto lon = DecimalExacto(valor("longitud"));
        if (!huso)
            lectura.cartas.push_back(rechazo("el huso «" + valor("huso") +
                                             "» no es del tipo +01:00 (adelanto sobre UT)"));
        else if (!lat || !lon)
            lectura.cartas.push_back(rechazo("la latitud o la longitud no son números de grados"));
        else {
            d.husoSegundos = *huso;
            d.latitud = *lat;
            d.longitud = *lon;
            lectura.cartas.push_back(CartaDesdeDatos(d, origen));
        }
    }
    return lectura;
}

bool PareceCsv(std::string_view b) {
    std::string primero(b.substr(0, b.find_first_of("\r\n")));
    for (char& c : primero) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return primero.find("dia") != std::string::npos && primero.find("huso") != std::string::npos;
}

}  // namespace natalis
