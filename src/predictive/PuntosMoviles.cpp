// The moving points of the period search.
#include "predictive/PuntosMoviles.h"

#include <cmath>
#include <memory>
#include <unordered_map>

#include "astro/AngleMath.h"
#include "chart/CalcularNatal.h"
#include "predictive/ArcoSolar.h"
#include "predictive/ListarProgresion.h"
#include "predictive/NumerosListado.h"

namespace natalis {

namespace {

// Sampling steps of the transiting bodies (1 Sun ... 10 Pluto), days of the sky. The Moon
// moves at most about 15.4 degrees a day; Mercury's retrograde spells, the shortest, last
// about three weeks; from Jupiter out they last four months or more.
constexpr double kPasoCuerpoDias[11] = {0, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4};

// The directed points move with the Sun's daily motion per year, about a degree a year.
constexpr double kPasoArcoSolarDias = 30;

// Sampling step of a body beyond the ten, days of the sky: the true node and the osculating
// Lilith turn back and forth within days; Chiron, the asteroids and the mean Lilith, like the
// inner planets, stay direct or retrograde for weeks at least.
double PasoCuerpoExtraDias(Cuerpo c) {
    return c == Cuerpo::NodoVerdadero || c == Cuerpo::LilithOsculadora ? 0.25 : 1;
}

// The body of row r of kPuntos, transiting: the ephemeris's longitude and daily motion.
PuntoMovil CuerpoExtra(int r, Zodiaco z, Ephemeris& eph) {
    PuntoMovil p;
    p.punto = kPrimerPuntoExtra + r;
    const Cuerpo c = FilaPunto(r).CuerpoId;
    p.pasoDias = PasoCuerpoExtraDias(c);
    p.posicion = [&eph, c, z](double jd) {
        double out[4] = {0, 0, 0, 0};
        PosicionZodiacal(eph, jd, static_cast<int32_t>(c), z, out);
        return PosicionMovil{out[0], out[3]};
    };
    return p;
}

// A transiting point made secondary-progressed: asked at the progressed instant of each date
// (InstanteProgresado), its motion divided by 365.25 days of the date per day of the sky.
PuntoMovil ProgresarCuerpo(PuntoMovil p, const NatalTables& natal, double horaUT) {
    p.pasoDias *= kDiasPorAnioEdad;
    const double natalJD0 = natal.NatalJD0;
    p.posicion = [cielo = std::move(p.posicion), natalJD0, horaUT](double jd) {
        const PosicionMovil pos = cielo(InstanteProgresado(jd, natalJD0, horaUT));
        return PosicionMovil{pos.lonDeg, pos.velDegPorDia / kDiasPorAnioEdad};
    };
    return p;
}

}  // namespace

std::string EtiquetaPunto(int n) {
    if (n >= kPrimerPuntoExtra) return FilaPunto(n - kPrimerPuntoExtra).Etiqueta;
    if (n <= 10) return EtiquetaPlaneta(n);
    const int c = kCuspidesListadas[n - 11];
    return c == 10 ? "MC" : c == 1 ? "ASC" : "C" + std::to_string(c);
}

PuntoMovil TransitoDe(int cuerpo, Ephemeris& eph, Zodiaco z) {
    PuntoMovil p;
    p.punto = cuerpo;
    p.pasoDias = kPasoCuerpoDias[cuerpo];
    p.posicion = [&eph, cuerpo, z](double jd) {
        double out[4] = {0, 0, 0, 0};
        PosicionZodiacal(eph, jd, cuerpo - 1, z, out);
        return PosicionMovil{out[0], out[3]};
    };
    return p;
}

PuntoMovil SecundariaDe(int cuerpo, const NatalTables& natal, double horaUT, Ephemeris& eph) {
    PuntoMovil p;
    p.punto = cuerpo;
    // A day of the sky per year of the date: the same sampling of the sky as for transits.
    p.pasoDias = kPasoCuerpoDias[cuerpo] * kDiasPorAnioEdad;
    const double natalJD0 = natal.NatalJD0;
    const Zodiaco z = natal.zodiaco;
    p.posicion = [&eph, cuerpo, natalJD0, horaUT, z](double jd) {
        double out[4] = {0, 0, 0, 0};
        PosicionZodiacal(eph, InstanteProgresado(jd, natalJD0, horaUT), cuerpo - 1, z, out);
        return PosicionMovil{out[0], out[3] / kDiasPorAnioEdad};
    };
    return p;
}

namespace {

// The solar arc at the dates asked for, shared by the directed points of one search: they
// are sampled at the same dates, so the Sun is asked once per date instead of once per
// point.
class ArcosCompartidos {
  public:
    ArcosCompartidos(const NatalTables& natal, double horaUT, Ephemeris& eph)
        : natal_(natal), horaUT_(horaUT), eph_(eph) {}
    PosicionMovil Arco(double jd) {
        const auto it = arcos_.find(jd);
        if (it != arcos_.end()) return it->second;
        PosicionMovil a;
        a.lonDeg = ArcoSolar(jd, natal_, horaUT_, eph_, &a.velDegPorDia);
        arcos_.emplace(jd, a);
        return a;
    }

  private:
    const NatalTables& natal_;
    double horaUT_;
    Ephemeris& eph_;
    std::unordered_map<double, PosicionMovil> arcos_;  // date -> arc and its rate
};

PuntoMovil DirigidoPorArco(int punto, const NatalTables& natal,
                           std::shared_ptr<ArcosCompartidos> arcos) {
    PuntoMovil p;
    p.punto = punto;
    p.pasoDias = kPasoArcoSolarDias;
    const double lonNatal = PuntoNatalPorNumero(natal, punto).Lon;
    p.posicion = [arcos, lonNatal](double jd) {
        const PosicionMovil a = arcos->Arco(jd);
        return PosicionMovil{UnaVuelta(lonNatal + a.lonDeg), a.velDegPorDia};
    };
    return p;
}

}  // namespace

PuntoMovil ArcoSolarDe(int punto, const NatalTables& natal, double horaUT, Ephemeris& eph) {
    return DirigidoPorArco(punto, natal, std::make_shared<ArcosCompartidos>(natal, horaUT, eph));
}

std::vector<PuntoMovil> PuntosMoviles(TecnicaPeriodo tecnica, const NatalTables& natal,
                                      double horaUT, Ephemeris& eph) {
    std::vector<PuntoMovil> puntos;
    const MovilPeriodo movil = FilaTecnicaPeriodo(tecnica).movil;
    if (movil == MovilPeriodo::PuntosArcoSolar) {
        const auto arcos = std::make_shared<ArcosCompartidos>(natal, horaUT, eph);
        for (int p : NumerosNatalesListado(natal)) {
            puntos.push_back(DirigidoPorArco(p, natal, arcos));
        }
        return puntos;
    }
    for (int c = 1; c <= 10; ++c) {
        puntos.push_back(movil == MovilPeriodo::Cuerpos ? TransitoDe(c, eph, natal.zodiaco)
                                                        : SecundariaDe(c, natal, horaUT, eph));
    }
    // The chart's bodies beyond the default set move as the ten do.
    for (int r : natal.Puntos) {
        const PuntoDef& d = FilaPunto(r);
        if (r < kPuntosPorDefecto || d.Regla != ReglaPunto::Cuerpo) continue;
        PuntoMovil p = CuerpoExtra(r, natal.zodiaco, eph);
        if (movil == MovilPeriodo::Progresados) p = ProgresarCuerpo(std::move(p), natal, horaUT);
        puntos.push_back(std::move(p));
    }
    return puntos;
}

}  // namespace natalis
