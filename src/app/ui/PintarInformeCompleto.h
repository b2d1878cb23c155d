// The report made for reading painted on a paged device (a PDF writer, a printer): the blocks
// of InformeCompleto placed by PaginarBloques, with a running head (the name and "Página n
// de m") and the foot (the program and its version) on every page.
#pragma once
#include <vector>

#include "app/session/ChartSession.h"
#include "app/session/InformeCompleto.h"
#include "app/session/PaginasInforme.h"
#include "chart/Carta.h"
#include "chart/Paleta.h"
#include "chart/RecordingSurface.h"
#include "chart/RecorteRueda.h"

class QPagedPaintDevice;

namespace natalis {

// A wheel cut out for the report: its operations without the header, and the square of the
// drawing (in units) it fills.
struct RuedaRecortada {
    std::vector<DrawOp> ops;
    CajaUnidades cuadro;
};

struct RuedasInforme {
    RuedaRecortada natal;    // the natal wheel alone
    RuedaRecortada anillos;  // the display with its rings
};

// The natal wheel of s drawn afresh, and the display recorded in pantalla (the window's
// drawing, or the headless one), both cut out round what they draw.
RuedasInforme RecortarRuedas(const ChartSession& s, const RecordingSurface& pantalla);

// The wheel of the chart c drawn afresh for the report, and the drawing anillos (a bi-wheel,
// or any drawing of the chart with rings), both cut out round what they draw.
RuedasInforme RecortarRuedasDeCarta(const Carta& c, const RecordingSurface& anillos);

// The geometry of the report on device's sheet: the page's rectangles and the blocks placed.
struct MedidasCompletas {
    MedidasInforme hoja;      // running head, foot, body
    InformeCompleto informe;  // its long tables cut to fit a page
    ColocacionInforme colocacion;
};
MedidasCompletas MedirInformeCompleto(double anchoPt, double altoPt, InformeCompleto informe);

// The wheel's rectangle in points of block b placed at y on the body of m.
RectPt RectRueda(const MedidasCompletas& m, const BloqueInforme& b, double y);

// Paints every page on device in the palette tema. False when the device could not be
// painted on.
bool PintarInformeCompleto(QPagedPaintDevice& device, const InformeCompleto& informe,
                           const RuedasInforme& ruedas, Tema tema);

}  // namespace natalis
