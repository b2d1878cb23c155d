#include "predictive/PasoTiempo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"

namespace natalis {

namespace {

double JulDayDe(const FechaCivil& f) { return JulDay(f.dia, f.mes, f.anio); }

// The date of the day that begins at jd0 (a Julian day at 0 h).
FechaCivil FechaDeJD(double jd0) {
    const InstanteCivil c = InstanteDeJD(jd0);
    return {c.dia, c.mes, c.anio};
}

// The clock time of the birth zone, as a Julian day: universal time minus the zone's hours.
double JDLocal(double jdUT, double zonaHoras) { return jdUT - zonaHoras / 24; }

// The Julian day of 0 h of the day that holds jd (days begin at .5).
double InicioDelDia(double jd) { return std::floor(jd - 0.5) + 0.5; }

}  // namespace

int DiasDelMes(int mes, int anio) {
    const FechaCivil siguiente =
        mes == 12 ? FechaCivil{1, 1, anio + 1} : FechaCivil{1, mes + 1, anio};
    return static_cast<int>(std::lround(JulDayDe(siguiente) - JulDayDe({1, mes, anio})));
}

FechaCivil DesplazarFecha(const FechaCivil& f, UnidadPaso unidad, int cuantos) {
    if (unidad == UnidadPaso::Dia) return FechaDeJD(JulDayDe(f) + cuantos);
    const int meses = unidad == UnidadPaso::Mes ? cuantos : 12 * cuantos;
    // Months counted from January of year 0, floored so that negative years work too.
    const int total = f.anio * 12 + (f.mes - 1) + meses;
    const int anio = total >= 0 ? total / 12 : -((-total + 11) / 12);
    const int mes = total - anio * 12 + 1;
    return {std::min(f.dia, DiasDelMes(mes, anio)), mes, anio};
}

double DesplazarInstante(double jdUT, double zonaHoras, UnidadPaso unidad, int cuantos) {
    const double local = JDLocal(jdUT, zonaHoras);
    const double inicio = InicioDelDia(local);
    const FechaCivil nueva = DesplazarFecha(FechaDeJD(inicio), unidad, cuantos);
    return JulDayDe(nueva) + (local - inicio) + zonaHoras / 24;
}

namespace {

// The instant rounded to the minute, on the birth zone's clock.
InstanteCivil MinutoEnZona(double jdUT, double zonaHoras) {
    const double local = JDLocal(jdUT, zonaHoras);
    return InstanteDeJD(std::round(local * 1440) / 1440);
}

}  // namespace

FechaCivil FechaEnZona(double jdUT, double zonaHoras) {
    const InstanteCivil c = MinutoEnZona(jdUT, zonaHoras);
    return {c.dia, c.mes, c.anio};
}

std::string HoraEnZona(double jdUT, double zonaHoras) {
    const InstanteCivil c = MinutoEnZona(jdUT, zonaHoras);
    char texto[8];
    std::snprintf(texto, sizeof texto, "%02d %02d", c.hora, c.minuto);
    return texto;
}

}  // namespace natalis
