#include "chart/DibujarRueda.h"

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/NumberText.h"
#include "astro/TextTrim.h"
#include "chart/Aspects.h"
#include "chart/DistribuirGlifos.h"
#include "chart/Glyphs.h"

namespace natalis {

namespace {

constexpr int kCentroX = 60;
constexpr int kCentroY = 36;
constexpr int kRadio = 22;
const std::string kGlyphFace = "OrreryAstro";

// A whole number printed as a number: a place for the sign before it, one blank after it.

void DrawBand(Surface& s, double cx, double cy, double R) {
    const Color dark = QBColor(8);
    s.SetFillStyle(FillStyle::Solid);
    s.SetFillColor(dark);
    s.Circle(cx, cy, 1.11 * R, dark);
    s.SetFillColor(kBackground);
    s.Circle(cx, cy, 0.96 * R, dark);
    s.SetDrawStyle(LineStyle::Solid);
    s.Circle(cx, cy, 0.5 * R, dark);
    s.SetFillStyle(FillStyle::Transparent);
    s.Circle(cx, cy, 0.96 * R, QBColor(13));
    s.Circle(cx, cy, 1.12 * R, QBColor(13));
}

// Sector cuts through the band and the twelve sign glyphs, starting at the cut just before
// the Ascendant's rounded degree.
void DrawSigns(Surface& s, const WheelGeometry& g, float asc) {
    const double cx = g.CentroX, cy = g.CentroY, R = g.Radio;
    const double d = CIntEven(asc - 30.0 * IntFloor(asc / 30.0));
    double theta = 270 - d;
    int sign = static_cast<int>(IntFloor(IntFloor(asc) / 30.0)) + 1;
    if (sign < 1) sign = 1;
    for (int n = 0; n < 12; ++n) {
        s.PSet(cx, cy, kBackground);
        s.Line(0.98 * R * gSEN(theta), 0.98 * R * gCOS(theta), true, 0.1998 * R * gSEN(theta),
               0.1998 * R * gCOS(theta), true, kBackground);
        s.PSet(cx - 1.25, cy - 0.8, kBackground);
        s.PSet(1.05 * R * gSEN(theta + 15), 1.05 * R * gCOS(theta + 15), QBColor(8), true);
        s.SetForeColor(QBColor(7));
        s.SetFontSize(kTamanoGlifoSigno);
        s.SetFontBold(true);
        s.Print(GlifoSigno(sign), false);
        theta += 30;
        sign = sign == 12 ? 1 : sign + 1;
    }
}

// Radius of the cusps' degrees outside the band (which ends at 1.12 R): far enough that the
// number's cell, about 3 x 1.5 units, clears it at every angle.
constexpr double kRadioGradoFuera = 1.22;

void DrawCusps(Surface& s, const WheelGeometry& g, const NatalTables& t, EstiloRueda estilo) {
    const double cx = g.CentroX, cy = g.CentroY, R = g.Radio;
    const double h = CIntEven(0.5 * R);
    for (int i = 1; i <= 12; ++i) {
        const double theta = g.GiroAsc + t.CuspideNatal[i].Lon;
        const bool angular = i == 1 || i == 4 || i == 7 || i == 10;
        if (angular) {
            s.PSet(cx, cy, kBackground);
            s.SetDrawWidth(i == 1 || i == 10 ? 2 : 1);
        } else {
            s.SetDrawWidth(1);
            s.PSet(cx, cy, kBackground);
        }
        s.SetDrawStyle(LineStyle::Solid);
        s.Line(h * gSEN(theta), h * gCOS(theta), true, 0.9 * h * gSEN(theta), 0.9 * h * gCOS(theta),
               true, angular ? QBColor(15) : kGrey128);
        s.PSet(cx - (angular ? 1.7 : 1.5), cy - 0.55, kBackground);
        const bool fuera = estilo == EstiloRueda::Informe;
        const double rGrado = fuera ? kRadioGradoFuera * R : R;
        s.PSet(rGrado * gSEN(theta), rGrado * gCOS(theta), QBColor(8), true);
        s.SetForeColor(fuera ? QBColor(15) : QBColor(0));
        s.SetFontSize(kTamanoGradoCuspide);
        s.Print(PrintedNumber(t.CuspideNatal[i].Grado), true);
    }
}

// The report's single track: glyphs and their degrees this far from the centre (times R),
// and this far apart round it (degrees): a glyph's cell, up to 2.5 units square, clears the
// next one at every angle, and the degree's cell its own glyph.
constexpr double kRadioGlifoInforme = 0.86;
constexpr double kRadioGradoInforme = 0.66;
constexpr double kSeparacionInforme = 12;

// Points with a negative display angle go on the inner track; in the report's style every
// point is on one track at angles spread by AngulosSeparados.
void DrawPoints(Surface& s, const WheelGeometry& g, const NatalTables& t, EstiloRueda estilo) {
    const double cx = g.CentroX, cy = g.CentroY;
    const double r = 0.9 * g.Radio;
    std::vector<double> separados;
    if (estilo == EstiloRueda::Informe) {
        std::vector<double> lon;
        for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) lon.push_back(t.PlanetaNatal[i].Lon);
        separados = AngulosSeparados(lon, kSeparacionInforme);
    }
    for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
        const PuntoNatal& p = t.PlanetaNatal[i];
        const int fila = t.Puntos[i - 1] + 1;  // 1-based row of the point table
        const bool informe = estilo == EstiloRueda::Informe;
        const double theta = (informe ? separados[i - 1] : std::abs(p.PosGrafica)) + g.GiroAsc;
        const bool outer = p.PosGrafica >= 0;
        const double rGlyph = informe ? kRadioGlifoInforme * g.Radio : outer ? r : 0.75 * r;
        const double rNumber = informe ? kRadioGradoInforme * g.Radio : outer ? 0.88 * r : 0.63 * r;
        s.PSet(cx - 1, cy - 1, kBackground);
        s.PSet(rGlyph * gSEN(theta), rGlyph * gCOS(theta), kBackground, true);
        s.SetForeColor(QBColor(14));
        s.SetFontSize(TamanoGlifoPlaneta(fila));
        s.Print(GlifoPlaneta(fila), false);
        s.PSet(cx - 1, cy - 0.6, kBackground);
        s.PSet(rNumber * gSEN(theta), rNumber * gCOS(theta), kBackground, true);
        s.SetFontSize(kTamanoGradoPlaneta);
        s.Print(PrintedNumber(p.Grado), false);
    }
}

// Each aspecting point against the others, the Midheaven and the Ascendant; a pair of
// points is visited from both sides. Points without aspects (node, Part of Fortune) take no
// part.
void DrawAspects(Surface& s, const WheelGeometry& g, const NatalTables& t, EstiloRueda estilo,
                 Orbes orbes) {
    const std::vector<PuntoAspecto> puntos = PuntosAspectoNatal(t, false);
    const std::vector<PuntoAspecto> socios = PuntosAspectoNatal(t, true);
    // Points are drawn at their display angle, the angles at their longitude; in the report
    // every line ends at the true longitude.
    const auto theta = [&](const PuntoAspecto& p) {
        if (estilo == EstiloRueda::Informe) return p.Lon + g.GiroAsc;
        return (p.Id > 0 ? std::abs(t.PlanetaNatal[p.Id].PosGrafica) : std::abs(p.Lon)) + g.GiroAsc;
    };
    for (const AspectoHallado& h : BuscarAspectos(puntos, socios, ReglaOrbesNatal(t, orbes))) {
        LineaAspecto(s, g, TablaAspectos[h.k].Angulo, theta(puntos[h.a]), theta(socios[h.b]));
    }
}

void DrawHeader(Surface& s, const NatalRecord& rec, const WheelHeader& header) {
    s.SetFont("Arial", 12, false);
    s.PSet(26, 1, kBackground);
    s.SetForeColor(QBColor(15));
    s.Print(TrimBlanks(rec.NatalNameFixed) + "   " + rec.FechaNatalTexto + "   ", false);
    s.Print("Hora " + (header.HoraTexto.empty() ? rec.TimeText : header.HoraTexto), false);
    s.Print("    huso: " + rec.ZoneText + "    " + "Lat: " + rec.LatText + "    ", false);
    s.Print("Long: " + rec.LonText, false);
    s.Print("   " + rec.Place, true);
    s.PSet(26, 3, QBColor(15));
    s.Print("Casas " + header.casasCaption, true);
}

// The header of a chart cast from no birth: its title where the name stands, then its houses.
void DrawTitleHeader(Surface& s, const std::string& titulo, const WheelHeader& header) {
    s.SetFont("Arial", 12, false);
    s.PSet(26, 1, kBackground);
    s.SetForeColor(QBColor(15));
    s.Print(titulo, true);
    s.PSet(26, 3, QBColor(15));
    s.Print("Casas " + header.casasCaption, true);
}

// Everything but the header.
void DrawBody(Surface& s, const NatalTables& t, const WheelHeader& header, WheelGeometry& g,
              EstiloRueda estilo) {
    s.Cls();
    g.CentroX = kCentroX;
    g.CentroY = kCentroY;
    g.Radio = kRadio;
    DrawBand(s, g.CentroX, g.CentroY, g.Radio);
    const float asc = t.CuspideNatal[1].Lon;
    g.GiroAsc = static_cast<int16_t>(CIntEven(270.0 - asc));
    s.SetFont(kGlyphFace, kTamanoGlifoSigno, true);
    DrawSigns(s, g, asc);
    DrawCusps(s, g, t, estilo);
    DrawPoints(s, g, t, estilo);
    if (header.aspectos) DrawAspects(s, g, t, estilo, header.orbes);
}

}  // namespace

void LineaAspecto(Surface& s, const WheelGeometry& g, int angulo, double theta1, double theta2) {
    const double r = 0.5 * g.Radio;
    s.SetDrawStyle(LineStyle::Invisible);
    s.Line(g.CentroX, g.CentroY, false, r * gSEN(theta1), r * gCOS(theta1), true, kBackground);
    const double x1 = s.CurrentX(), y1 = s.CurrentY();
    s.Line(g.CentroX, g.CentroY, false, r * gSEN(theta2), r * gCOS(theta2), true, kBackground);
    const double x2 = s.CurrentX(), y2 = s.CurrentY();
    Color c;
    switch (angulo) {
        case 60:
        case 120:
            s.SetDrawStyle(LineStyle::Solid);
            c = QBColor(11);
            break;
        case 90:
        case 180:
            s.SetDrawStyle(LineStyle::Solid);
            c = QBColor(12);
            break;
        case 45:
        case 135:
        case 150:
            s.SetDrawStyle(LineStyle::Dot);
            c = QBColor(13);
            break;
        default:
            return;  // conjunction and semisextile: no line
    }
    s.Line(x1, y1, false, x2, y2, false, c);
}

void DibujarRueda(Surface& s, const NatalTables& t, const NatalRecord& rec,
                  const WheelHeader& header, WheelGeometry& g, EstiloRueda estilo) {
    DrawBody(s, t, header, g, estilo);
    DrawHeader(s, rec, header);
}

std::string CaptionCarta(const Carta& c) {
    const std::string casas = CaptionCasas(c.opciones.casas, c.natal.Casas.respaldoPorfirio);
    const std::string zod = CaptionZodiaco(c.opciones.zodiaco);
    return zod.empty() ? casas : casas + "    " + zod;
}

void DibujarCarta(Surface& s, const Carta& c, const WheelHeader& header, WheelGeometry& g,
                  EstiloRueda estilo) {
    WheelHeader h = header;
    if (h.casasCaption.empty()) h.casasCaption = CaptionCarta(c);
    DrawBody(s, c.natal, h, g, estilo);
    if (c.nacimiento) {
        DrawHeader(s, *c.nacimiento, h);
    } else {
        DrawTitleHeader(s, c.titulo, h);
    }
}

}  // namespace natalis
