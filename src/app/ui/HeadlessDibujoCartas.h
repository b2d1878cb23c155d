// The pictures of the charts drawn from others, of a return and of the moment:
//   natalis --sinastria A.dat B.dat --png|--svg|--pdf SALIDA [--size WxH] [--tema T] [--papel P]
// and the same for --compuesta, --davison, --retorno solar|lunar A.dat --fecha … and --ahora.
// A synastry and a return are a bi-wheel (the first person or the natal chart inside, the
// other on the outer ring, the aspects between them in the centre); the others a wheel of
// their own. A synastry's PDF is its report; the others' PDF is the chart's own report.
#pragma once
#include <ostream>
#include <string>

#include "app/cli/HeadlessOptions.h"
#include "app/ui/PintarInformeCompleto.h"
#include "chart/Carta.h"
#include "chart/Paleta.h"
#include "chart/Sinastria.h"
#include "chart/Surface.h"

namespace natalis {

// Draws c on s: its own wheel, or with exterior and cruce the bi-wheel of c and exterior.
void DibujarCartas(Surface& s, const Carta& c, const Carta* exterior, const Sinastria* cruce);

// The wheels a report of these charts paints: c's own wheel, and the drawing of DibujarCartas
// (the bi-wheel when exterior and cruce are given), both cut out. What printing the report
// needs besides its contents (ArmarInformeSinastria, ArmarInformeDeCarta).
RuedasInforme RuedasDeCartas(const Carta& c, const Carta* exterior, const Sinastria* cruce);

// The synastry report of a and b written to path as a PDF on papel sheets in the palette
// tema; empty when written, else the message saying why not (path as it was).
std::string EscribirInformeSinastriaPdf(const Carta& a, const Carta& b, const Sinastria& cruce,
                                        Papel papel, Tema tema, const std::string& path);

// The report of the chart c (composite, Davison, return, the moment) written to path.
std::string EscribirInformeDeCartaPdf(const Carta& c, Papel papel, Tema tema,
                                      const std::string& path);

// The command: 0 when the file was written; 2, with the message on err and no file, otherwise.
int HeadlessDibujoCartas(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
