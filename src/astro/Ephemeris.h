// The ephemeris seam: one function, CalcBody, as the rest of the program binds it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace natalis {

// Which theory answered the last calls: the data files, or the library's analytic fallback.
enum class EphemerisSource { Files, Analytic };

// The kind of an eclipse at its greatest phase. Solar: total, annular, partial, or hybrid
// (annular along part of its track, total along the rest). Lunar: total, partial, or
// penumbral (the Moon enters the Earth's penumbra only).
enum class TipoEclipse { Total, Anular, Parcial, Hibrido, Penumbral };

// An eclipse seen from anywhere on the Earth.
struct EclipseGlobal {
    double jdMaximo = 0;  // universal-time Julian day of the greatest eclipse
    TipoEclipse tipo = TipoEclipse::Parcial;
};

// The bodies the ephemeris can be asked for, by the number CalcBody takes. The first ten are
// 0 Sun ... 9 Pluto; the rest are there for points beyond the default set.
enum class Cuerpo : int32_t {
    Sol = 0,
    Luna,
    Mercurio,
    Venus,
    Marte,
    Jupiter,
    Saturno,
    Urano,
    Neptuno,
    Pluton,
    NodoVerdadero,
    NodoMedio,
    Quiron,
    Ceres,
    Palas,
    Juno,
    Vesta,
    LilithMedia,
    LilithOsculadora,
};
inline constexpr int32_t kNumCuerpos = static_cast<int32_t>(Cuerpo::LilithOsculadora) + 1;

// The ayanamsas a sidereal zodiac can be measured with (the distance of its 0 Aries from the
// equinox of date).
enum class Ayanamsa : int32_t {
    FaganBradley = 0,
    Lahiri,
    Raman,
    Krishnamurti,
    Yukteshwar,
    J2000,
    CentroGalactico0Sag,
};
inline constexpr int32_t kNumAyanamsas = static_cast<int32_t>(Ayanamsa::CentroGalactico0Sag) + 1;

class Ephemeris {
  public:
    virtual ~Ephemeris() = default;
    // Writes exactly four doubles to out[0..3] for the universal-time Julian day jd:
    // apparent geocentric tropical ecliptic longitude of date (degrees, 0 up to 360),
    // latitude (degrees), distance (AU), daily motion in longitude (degrees/day).
    // body: a Cuerpo (0 Sun, 1 Moon, 2 Mercury ... 9 Pluto, then the others). The return
    // value carries no meaning.
    // Where the ephemeris has no position (an instant outside every theory it has) the
    // four values are NaN, never a position of zeros, so that a computation from them is
    // seen to have failed.
    virtual double CalcBody(double jd, int32_t body, double* out) = 0;
    virtual EphemerisSource Source() const = 0;
    // The first solar (solar true) or lunar eclipse whose greatest phase comes after the
    // universal-time Julian day jd; nothing when the ephemeris has no eclipse theory or no
    // answer there.
    virtual std::optional<EclipseGlobal> SiguienteEclipse(bool solar, double jd) {
        (void)solar;
        (void)jd;
        return std::nullopt;
    }
    // The ayanamsa a at the universal-time Julian day jd, degrees (with nutation, as the
    // longitudes are of date). NaN from an ephemeris that has none.
    virtual double ValorAyanamsa(double jd, Ayanamsa a);
    // The fixed star of the star catalogue named `nombre` (its traditional name as the
    // catalogue writes it, see CatalogoEstrellas) at the universal-time Julian day jd: out[0..3]
    // as CalcBody writes them (apparent tropical longitude of date, latitude, distance, daily
    // motion). False, and NaN in out, for a star it does not know or an ephemeris without
    // stars.
    virtual bool CalcStar(double jd, const std::string& nombre, double* out);
};

}  // namespace natalis
