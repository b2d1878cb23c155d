// The moving points of the period search.
#include "predictive/PuntosMoviles.h"

#include <cmath>
#include <memory>
#include <unordered_map>

#include "astro/AngleMath.h"
#include "chart/CalcularNatal.h"
#include "predictive/ArcoSolar.h"
#include "predictive/ListarProgresion.h"

namespace natalis {

namespace {

// Sampling steps of the transiting bodies (1 Sun ... 10 Pluto), days of the sky. The Moon
// moves at most about 15.4 degrees a day; Mercury's retrograde spells, the shortest, last
// about three weeks; from Jupiter out they last four months or more.
constexpr double kPasoCuerpoDias[11] = {0, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4};

// The directed points move with the Sun's daily motion per year, about a degree a year.
constexpr double kPasoArcoSolarDias = 30;

}  // namespace

std::string EtiquetaPunto(int n) {
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
    const double lonNatal = PuntoNatalListado(natal, punto).Lon;
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
        const int n = static_cast<int>(PuntosNatalesListado(natal).size());
        for (int p = 1; p <= n; ++p) puntos.push_back(DirigidoPorArco(p, natal, arcos));
        return puntos;
    }
    for (int c = 1; c <= 10; ++c) {
        puntos.push_back(movil == MovilPeriodo::Cuerpos ? TransitoDe(c, eph, natal.zodiaco)
                                                        : SecundariaDe(c, natal, horaUT, eph));
    }
    return puntos;
}

}  // namespace natalis
