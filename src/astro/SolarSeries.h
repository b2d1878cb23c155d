// The steps behind HorasSolares: fractional-year series for the equation of time and the
// solar declination, the hour angle of sunrise and sunset, and the day's events in minutes
// of universal time. Angles are radians; pi is taken as 3.1415926535 here too.
#pragma once

namespace natalis::solar {

double FraccionAnual(double n);            // fractional year at 0 h of day n, radians
double FraccionAnual(double n, double h);  // ... at hour h (whole hours) of day n
double EcuacionDelTiempo(double gamma);    // minutes
double DeclinacionSolar(double gamma);     // radians
double ArcoCoseno(double x);               // arc cosine, 0 where |x| >= 1
double AnguloHorario(double latDeg, double declination, bool salida);  // radians
double AmanecerUTC(int n, double latDeg, double lonWestDeg);           // minutes from 0 h UT
double MediodiaUTC(int n, double lonWestDeg);
double PonienteUTC(int n, double latDeg, double lonWestDeg);

}  // namespace natalis::solar
