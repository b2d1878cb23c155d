// The calendar of the sky over a period: New and Full Moons, solar and lunar eclipses, sign
// ingresses, stations, the void-of-course Moon and, for a chart, the lunations and eclipses
// that fall on a natal point.
#pragma once
#include <optional>
#include <vector>

#include "astro/Ephemeris.h"
#include "chart/NatalTables.h"

namespace natalis {

enum class TipoEventoCielo {
    LunaNueva,
    LunaLlena,
    EclipseSolar,
    EclipseLunar,
    Ingreso,
    EstacionRetrograda,
    EstacionDirecta,
    LunaVaciaDeCurso,
    Contacto,  // a lunation or an eclipse within orb of a natal point
};

// The bodies of the calendar, 1 Sun ... 10 Pluto (EtiquetaPlaneta), and the aspects the
// void-of-course Moon counts: the Moon's conjunction, sextile, square, trine and opposition
// to the Sun and the eight planets from Mercury to Pluto.
constexpr int kCuerposCalendario = 10;
constexpr int kAngulosVaciaDeCurso[] = {0, 60, 90, 120, 180};

struct EventoCielo {
    double jd = 0;  // universal-time Julian day of the event
    TipoEventoCielo tipo = TipoEventoCielo::LunaNueva;
    int cuerpo = 0;     // 1..10: the body that moves, stations or enters (Moon for lunations,
                        // lunar eclipses and the void Moon, Sun for solar eclipses); for a
                        // contact, the natal point 1..16 touched
    double lonDeg = 0;  // that body's (or natal point's) longitude, degrees 0 up to 360
    int signo = 0;      // the sign entered by an ingress, 1 Aries ... 12 Pisces
    std::optional<TipoEclipse> eclipse;  // an eclipse's kind (and a contact's, if an eclipse)
    // The void-of-course Moon: the instant it ends (the Moon's next ingress), and the last
    // aspect before it (angle in degrees, body 1..10); no aspect when none was formed in the
    // sign.
    double jdFin = 0;
    std::optional<int> anguloUltimo;
    int cuerpoUltimo = 0;
    // A contact: what touched the natal point (LunaNueva, LunaLlena, EclipseSolar or
    // EclipseLunar) and the separation from the point, degrees 0 up to the orb.
    TipoEventoCielo de = TipoEventoCielo::LunaNueva;
    double separacionDeg = 0;
};

// Given:    eph       the ephemeris (positions, and its global eclipse searches)
//           jdDesde, jdHasta  the period, universal-time Julian days, jdDesde < jdHasta
//           natal     for a chart, its tables (the sixteen points of PuntoNatalListado), or
//                     nullptr for the sky alone
//           orbeDeg   the largest separation of a contact, degrees, > 0
// Returned: the events whose instant lies in [jdDesde, jdHasta), sorted by instant (an event
//           of a void-of-course Moon that began before the period and ends in it is listed at
//           its start), each contact right after the lunation or eclipse it belongs to.
// Notes:    Lunations are where the Moon's elongation from the Sun is 0 or 180 degrees; a
//           contact is where the Moon's place (and for a Full Moon or a lunar eclipse the
//           Sun's too) lies within the orb of a natal point. Ingresses are of the ten bodies,
//           stations of Mercury to Pluto. The Moon is void of course from its last aspect of
//           kAngulosVaciaDeCurso to the Sun and Mercury..Pluto until it leaves its sign.
//           Each instant is found within a second: the tracks are sampled at steps shorter
//           than any two crossings (EventoCielo), cut at stations, and solved by Newton's
//           method kept inside each bracket.
std::vector<EventoCielo> CalendarioCielo(Ephemeris& eph, double jdDesde, double jdHasta,
                                         const NatalTables* natal = nullptr, double orbeDeg = 1);

}  // namespace natalis
