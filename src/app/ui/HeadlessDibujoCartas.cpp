#include "app/ui/HeadlessDibujoCartas.h"

#include "app/cli/CartasDibujo.h"
#include "app/model/SystemClock.h"
#include "app/session/InformeSinastria.h"
#include "app/ui/ExportarCarta.h"
#include "app/ui/HeadlessPng.h"
#include "app/ui/PintarInformeCompleto.h"
#include "astro/SwissEphemeris.h"
#include "chart/BiRueda.h"
#include "chart/Compuesta.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

void DibujarCartas(Surface& s, const Carta& c, const Carta* exterior, const Sinastria* cruce) {
    WheelGeometry g;
    if (exterior && cruce) {
        DibujarBiRueda(s, c, *exterior, *cruce, WheelHeader{"", CaptionCarta(c)}, g);
    } else {
        DibujarCarta(s, c, WheelHeader{}, g);
    }
}

RuedasInforme RuedasDeCartas(const Carta& c, const Carta* exterior, const Sinastria* cruce) {
    QtSurface dibujo;
    DibujarCartas(dibujo, c, exterior, cruce);
    return RecortarRuedasDeCarta(c, dibujo);
}

std::string EscribirInformeSinastriaPdf(const Carta& a, const Carta& b, const Sinastria& cruce,
                                        Papel papel, Tema tema, const std::string& path) {
    return EscribirInformePdf(ArmarInformeSinastria(a, b, cruce), RuedasDeCartas(a, &b, &cruce),
                              papel, tema, path);
}

std::string EscribirInformeDeCartaPdf(const Carta& c, Papel papel, Tema tema,
                                      const std::string& path) {
    return EscribirInformePdf(ArmarInformeDeCarta(c), RuedasDeCartas(c, nullptr, nullptr), papel,
                              tema, path);
}

int HeadlessDibujoCartas(const Args& args, std::ostream&, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar(args.empty() ? "" : args[0], args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    const OffscreenPainting painting(o.archivos.empty() ? std::string() : o.archivos[0]);
    SwissEphemeris eph;
    SystemClock clock;
    const auto cartas = CalcularCartasDibujo(o, clock, eph, err);
    if (!cartas) return 2;
    const Carta* exterior = cartas->exterior ? &*cartas->exterior : nullptr;
    const Sinastria* cruce = cartas->cruce ? &*cartas->cruce : nullptr;
    std::string error;
    if (o.dibujo == "--pdf") {
        // A synastry's report is the two charts'; a return's is the return chart's own.
        error = o.comando == "--sinastria"
                    ? EscribirInformeSinastriaPdf(cartas->carta, *exterior, *cruce, o.papel, o.tema,
                                                  o.salida)
                    : EscribirInformeDeCartaPdf(exterior ? *exterior : cartas->carta, o.papel,
                                                o.tema, o.salida);
    } else {
        QtSurface s;
        s.SetTargetSize(QSize(o.ancho, o.alto));
        DibujarCartas(s, cartas->carta, exterior, cruce);
        error =
            o.dibujo == "--png"
                ? EscribirPng(s, QSize(o.ancho, o.alto), o.tema, o.salida)
                : EscribirSvg(s, QSize(o.ancho, o.alto), o.tema,
                              exterior ? NombreCarta(cartas->carta) + " y " + NombreCarta(*exterior)
                                       : NombreCarta(cartas->carta),
                              o.salida);
    }
    if (!error.empty()) {
        err << error << "\n";
        return 2;
    }
    return 0;
}

}  // namespace natalis
