#include "chart/Rings.h"

#include <algorithm>

#include "astro/AngleMath.h"
#include "astro/NumberText.h"
#include "chart/Glyphs.h"

namespace natalis {

namespace {

constexpr const char* kFuenteGlifos = "OrreryAstro";
constexpr double kTamanoFuenteNueva = 8;  // a new font object's size before it is set
constexpr int kSeparacionProgresion = 4;
constexpr int kSeparacionTransito = 5;
constexpr Color kColorTransito = 0x32C8FA;  // RGB(50, 200, 250)

// A number as printed: a place for the sign, the digits and one trailing blank.

int Reducir360(long a) {
    long r = a % 360;
    return static_cast<int>(r < 0 ? r + 360 : r);
}

// Selection sort on the angle, ascending; equal angles keep the first found.
template <typename Angulos>
void Ordenar(Angulos& t) {
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        size_t m = i;
        for (size_t j = i + 1; j < t.size(); ++j) {
            if (t[j].angulo < t[m].angulo) m = j;
        }
        std::swap(t[i], t[m]);
    }
}

// Plots the background point at (x0, y0) and moves r further on at screen angle theta.
void IrA(Surface& s, double x0, double y0, double r, double theta) {
    s.PSet(x0, y0, kBackground);
    s.PSet(r * gSEN(theta), r * gCOS(theta), kBackground, true);
}

void Glifo(Surface& s, const WheelGeometry& g, int angulo, int cuerpo, double rGlifo,
           double rNumero, Color color, long grado) {
    IrA(s, g.CentroX - 1, g.CentroY - 1, rGlifo, angulo);
    s.SetFontSize(15);
    s.SetForeColor(color);
    s.Print(GlifoPlaneta(cuerpo), false);
    IrA(s, g.CentroX - 1.5, g.CentroY - 0.6, rNumero, angulo);
    s.SetFontSize(9);
    s.Print(PrintedNumber(grado), true);
}

}  // namespace

AngulosAnillo AngulosProgresion(const ProgTables& prog, int giroAsc) {
    AngulosAnillo t{};
    for (int k = 1; k <= 10; ++k) {
        t[k - 1] = {Reducir360(CIntEven(giroAsc + prog.PlanetaProg[k].Lon)), k};
    }
    Ordenar(t);
    // Start after the widest gap, unwrapping the angles that follow it past 360.
    size_t inicio = 0;
    int hueco = t[0].angulo + 360 - t[9].angulo;
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].angulo - t[i - 1].angulo > hueco) {
            hueco = t[i].angulo - t[i - 1].angulo;
            inicio = i;
        }
    }
    std::rotate(t.begin(), t.begin() + static_cast<long>(inicio), t.end());
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].angulo < t[i - 1].angulo) t[i].angulo += 360;
    }
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].angulo - t[i - 1].angulo < kSeparacionProgresion) {
            t[i].angulo = t[i - 1].angulo + kSeparacionProgresion;
        }
    }
    return t;
}

std::vector<AnguloGlifo> AngulosTransito(const std::vector<PuntoAnillo>& puntos, int giroAsc) {
    std::vector<AnguloGlifo> t;
    for (const PuntoAnillo& p : puntos) {
        t.push_back({static_cast<int>(CIntEven(MODg(giroAsc + p.pos.Lon))), p.fila + 1});
    }
    Ordenar(t);
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].angulo <= 5 && t[i + 1].angulo >= 355) t[i + 1].angulo += 360;
        if (t[i + 1].angulo - t[i].angulo < kSeparacionTransito) {
            t[i + 1].angulo = t[i].angulo + kSeparacionTransito;
            if (t[i].angulo < 0) t[i].angulo += 360;
            if (t[i + 1].angulo >= 360) t[i + 1].angulo -= 360;
        }
    }
    return t;
}

AngulosAnillo AngulosTransito(const PlanetTable& Planet, int giroAsc) {
    const std::vector<AnguloGlifo> v = AngulosTransito(PuntosDeTabla(Planet), giroAsc);
    AngulosAnillo t{};
    std::copy(v.begin(), v.end(), t.begin());
    return t;
}

long GradoTransito(float lon) {
    const long entero = CIntEven(lon);
    return CIntEven(lon - (entero / 30) * 30);
}

void DibujarProgresion(Surface& s, const WheelGeometry& g, const ProgTables& prog) {
    const double R = g.Radio;
    s.SetFont(kFuenteGlifos, kTamanoFuenteNueva, false);
    s.SetFillStyle(FillStyle::Transparent);
    s.SetDrawStyle(LineStyle::Solid);
    s.SetDrawWidth(1);
    s.Circle(g.CentroX, g.CentroY, 1.12 * R, QBColor(13));
    s.Circle(g.CentroX, g.CentroY, 1.36 * R, QBColor(8));

    for (int i = 1; i <= 12; ++i) {
        const double theta = g.GiroAsc + prog.CuspideProg[i].Lon;
        const bool eje = i == 1 || i == 10;
        const bool angular = eje || i == 4 || i == 7;
        s.SetDrawStyle(LineStyle::Solid);
        s.SetDrawWidth(eje ? 2 : 1);
        const double sn = gSEN(theta), cs = gCOS(theta);
        s.PSet(g.CentroX, g.CentroY, kBackground);
        s.Line(1.12 * R * sn, 1.12 * R * cs, true, 0.21 * R * sn, 0.21 * R * cs, true,
               QBColor(angular ? 15 : 7));
        s.SetDrawStyle(LineStyle::Invisible);
        s.PSet(0.98 * g.CentroX, 0.99 * g.CentroY, kBackground);
        s.Line(1.12 * R * sn, 1.12 * R * cs, true, 1.2 * 0.21 * R * sn, 1.2 * 0.21 * R * cs, true,
               kBackground);
        s.SetForeColor(QBColor(15));
        s.Print(PrintedNumber(prog.CuspideProg[i].Grado), true);
    }
    s.SetDrawStyle(LineStyle::Solid);
    s.SetDrawWidth(1);

    for (const AnguloGlifo& a : AngulosProgresion(prog, g.GiroAsc)) {
        Glifo(s, g, a.angulo, a.cuerpo, 1.27 * R, 1.17 * R, QBColor(10),
              prog.PlanetaProg[a.cuerpo].Grado);
    }
}

void DibujarTransito(Surface& s, const WheelGeometry& g, const std::vector<PuntoAnillo>& puntos,
                     bool hayProgresion) {
    const double R = g.Radio;
    const double rGlifo = hayProgresion ? 1.5 * R : 1.3 * R;
    const double rNumero = hayProgresion ? 1.42 * R : 1.2 * R;
    for (const AnguloGlifo& a : AngulosTransito(puntos, g.GiroAsc)) {
        // The point's own longitude, found by its row.
        float lon = 0;
        for (const PuntoAnillo& p : puntos) {
            if (p.fila + 1 == a.cuerpo) lon = p.pos.Lon;
        }
        s.SetFont(kFuenteGlifos, kTamanoFuenteNueva, false);
        Glifo(s, g, a.angulo, a.cuerpo, rGlifo, rNumero, kColorTransito, GradoTransito(lon));
    }
}

void DibujarTransito(Surface& s, const WheelGeometry& g, const PlanetTable& Planet,
                     bool hayProgresion) {
    DibujarTransito(s, g, PuntosDeTabla(Planet), hayProgresion);
}

std::vector<AnguloGlifo> AngulosAnilloCarta(const NatalTables& t, int giroAsc) {
    std::vector<AnguloGlifo> a;
    for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
        a.push_back({Reducir360(CIntEven(giroAsc + t.PlanetaNatal[i].Lon)), t.Puntos[i - 1] + 1});
    }
    if (a.empty()) return a;
    std::stable_sort(a.begin(), a.end(), [](const AnguloGlifo& x, const AnguloGlifo& y) {
        return x.angulo < y.angulo;
    });
    const int n = static_cast<int>(a.size());
    const int separacion = std::min(kSeparacionAnilloCarta, 360 / n);
    // Start after the widest gap, unwrapping the angles that follow it past 360; spreading
    // forwards then never reaches the first again, as n * separacion <= 360.
    size_t inicio = 0;
    int hueco = a.front().angulo + 360 - a.back().angulo;
    for (size_t i = 1; i < a.size(); ++i) {
        if (a[i].angulo - a[i - 1].angulo > hueco) {
            hueco = a[i].angulo - a[i - 1].angulo;
            inicio = i;
        }
    }
    std::rotate(a.begin(), a.begin() + static_cast<long>(inicio), a.end());
    for (size_t i = 1; i < a.size(); ++i) {
        if (a[i].angulo < a[i - 1].angulo) a[i].angulo += 360;
    }
    for (size_t i = 1; i < a.size(); ++i) {
        if (a[i].angulo - a[i - 1].angulo < separacion) a[i].angulo = a[i - 1].angulo + separacion;
    }
    return a;
}

void DibujarAnilloCarta(Surface& s, const WheelGeometry& g, const NatalTables& t) {
    const double R = g.Radio;
    s.SetFillStyle(FillStyle::Transparent);
    s.SetDrawStyle(LineStyle::Solid);
    s.SetDrawWidth(1);
    s.Circle(g.CentroX, g.CentroY, 1.38 * R, QBColor(8));
    const std::vector<AnguloGlifo> angulos = AngulosAnilloCarta(t, g.GiroAsc);
    for (size_t i = 0; i < angulos.size(); ++i) {
        // The point's own degree within its sign, found by its row.
        int16_t grado = 0;
        for (size_t k = 1; k < t.PlanetaNatal.size(); ++k) {
            if (t.Puntos[k - 1] + 1 == angulos[i].cuerpo) grado = t.PlanetaNatal[k].Grado;
        }
        s.SetFont(kFuenteGlifos, kTamanoFuenteNueva, false);
        Glifo(s, g, angulos[i].angulo, angulos[i].cuerpo, 1.3 * R, 1.2 * R, kColorAnilloCarta,
              grado);
    }
}

}  // namespace natalis
