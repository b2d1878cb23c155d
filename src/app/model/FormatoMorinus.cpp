// Reader of the 27-value pickled chart files.
#include "app/model/FormatoMorinus.h"

#include <cmath>

#include "app/model/PickleEstricto.h"

namespace natalis {

namespace {

enum Campo {
    kNombre,
    kHombre,
    kTipo,
    kAntesDeCristo,
    kAnio,
    kMes,
    kDia,
    kHora,
    kMinuto,
    kSegundo,
    kCalendario,
    kTipoHuso,
    kAdelanta,
    kHusoHoras,
    kHusoMinutos,
    kVerano,
    kLugar,
    kLonGrados,
    kLonMinutos,
    kLonSegundos,
    kEste,
    kLatGrados,
    kLatMinutos,
    kLatSegundos,
    kNorte,
    kAltitud,
    kNotas,
    kCampos
};

using Tipo = ValorPickle::Tipo;

// What each position must hold; a boolean may also be written as the numbers 0 and 1, as
// the older protocol's writer does.
constexpr Tipo kTipos[kCampos] = {
    Tipo::Texto,    Tipo::Booleano, Tipo::Entero,   Tipo::Booleano, Tipo::Entero, Tipo::Entero,
    Tipo::Entero,   Tipo::Entero,   Tipo::Entero,   Tipo::Entero,   Tipo::Entero, Tipo::Entero,
    Tipo::Booleano, Tipo::Entero,   Tipo::Entero,   Tipo::Booleano, Tipo::Texto,  Tipo::Entero,
    Tipo::Entero,   Tipo::Entero,   Tipo::Booleano, Tipo::Entero,   Tipo::Entero, Tipo::Entero,
    Tipo::Booleano, Tipo::Entero,   Tipo::Texto,
};

bool Encaja(const ValorPickle& v, Tipo t) {
    if (v.tipo == t) return true;
    if (t == Tipo::Booleano) return v.tipo == Tipo::Entero && (v.entero == 0 || v.entero == 1);
    return t == Tipo::Entero && v.tipo == Tipo::Booleano;
}

}  // namespace

Lectura LeerMorinus(std::string_view bytes) {
    Lectura lectura;
    const ValoresPickle leidos = LeerValoresPickle(bytes);
    if (!leidos.error.empty()) {
        lectura.error = "El archivo no es una carta que se pueda leer: " + leidos.error + ".";
        return lectura;
    }
    const std::vector<ValorPickle>& v = leidos.valores;
    if (v.size() < kCampos) {
        lectura.error = "El archivo tiene " + std::to_string(v.size()) +
                        " valores; una carta tiene " + std::to_string(kCampos) + ".";
        return lectura;
    }
    for (int i = 0; i < kCampos; ++i) {
        if (!Encaja(v[i], kTipos[i])) {
            lectura.error = "El valor " + std::to_string(i + 1) + " del archivo no es del tipo " +
                            "que una carta lleva en ese lugar.";
            return lectura;
        }
    }
    const auto n = [&](Campo c) { return v[c].entero; };
    const auto texto = [&](Campo c) { return v[c].texto; };
    const std::string origen = "carta";
    std::vector<std::string> avisos;
    if (v.size() > kCampos)
        avisos.push_back("el archivo lleva " + std::to_string(v.size() - kCampos) +
                         " valores más, que no se leen");

    const auto rechazada = [&](const std::string& por) {
        lectura.cartas.push_back(CartaRechazada(origen, texto(kNombre), por));
        return lectura;
    };
    const auto rango = [](long long x, long long desde, long long hasta) {
        return x >= desde && x <= hasta;
    };
    if (!rango(n(kLonGrados), 0, 180) || !rango(n(kLonMinutos), 0, 59) ||
        !rango(n(kLonSegundos), 0, 59) || !rango(n(kLatGrados), 0, 90) ||
        !rango(n(kLatMinutos), 0, 59) || !rango(n(kLatSegundos), 0, 59))
        return rechazada("la latitud o la longitud no son correctas");
    if (!rango(n(kAnio), -99999, 99999) || !rango(n(kMes), -99, 99) || !rango(n(kDia), -99, 99) ||
        !rango(n(kHora), -99, 99) || !rango(n(kMinuto), -99, 99) || !rango(n(kSegundo), -99, 99) ||
        !rango(n(kHusoHoras), 0, 99) || !rango(n(kHusoMinutos), 0, 59))
        return rechazada("la fecha, la hora o el huso no son correctos");

    DatosNacimiento d;
    d.nombre = texto(kNombre);
    d.lugar = texto(kLugar);
    d.notas = texto(kNotas);
    if (n(kAltitud) != 0)
        d.notas +=
            (d.notas.empty() ? "" : "\n") + ("Altitud: " + std::to_string(n(kAltitud)) + " m");
    d.longitud =
        (n(kLonGrados) + n(kLonMinutos) / 60.0 + n(kLonSegundos) / 3600.0) * (n(kEste) ? 1 : -1);
    d.latitud =
        (n(kLatGrados) + n(kLatMinutos) / 60.0 + n(kLatSegundos) / 3600.0) * (n(kNorte) ? 1 : -1);
    FechaHoraLocal f;
    f.calendario = n(kCalendario) == 1 ? Calendario::Juliano : Calendario::Gregoriano;
    // Years before Christ are counted from 1 BC; astronomical years have a year 0.
    f.anio = static_cast<int>(n(kAntesDeCristo) ? 1 - n(kAnio) : n(kAnio));
    f.mes = static_cast<int>(n(kMes));
    f.dia = static_cast<int>(n(kDia));
    f.hora = static_cast<int>(n(kHora));
    f.minuto = static_cast<int>(n(kMinuto));
    f.segundo = static_cast<double>(n(kSegundo));
    d.local = f;
    switch (n(kTipoHuso)) {
        case 0:
            d.husoSegundos =
                (n(kAdelanta) ? 1 : -1) * (n(kHusoHoras) * 3600 + n(kHusoMinutos) * 60) +
                (n(kVerano) ? 3600 : 0);
            break;
        case 1:
            d.husoSegundos = 0;
            break;
        case 2:
            // The place's mean time: four minutes of clock for each degree east.
            d.husoSegundos = std::lround(d.longitud * 240);
            break;
        case 3:
            return rechazada("la hora está en tiempo solar verdadero, que no se admite");
        default:
            return rechazada("el tipo de hora " + std::to_string(n(kTipoHuso)) + " no se conoce");
    }
    lectura.cartas.push_back(CartaDesdeDatos(d, origen, avisos));
    return lectura;
}

// Pickles of the newer protocols start with 0x80; of the older, with a text value's opcode,
// and a value's end is followed by the next value's whole-number opcode.
bool PareceMorinus(std::string_view b) {
    if (b.empty()) return false;
    if (static_cast<unsigned char>(b[0]) == 0x80) return true;
    return (b[0] == 'V' || b[0] == 'S') && b.find("\n.I") != std::string_view::npos;
}

}  // namespace natalis
