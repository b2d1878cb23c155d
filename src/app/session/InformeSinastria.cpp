#include "app/session/InformeSinastria.h"

#include "astro/SistemaCasas.h"
#include "astro/TextTrim.h"
#include "chart/Compuesta.h"
#include "chart/Glyphs.h"
#include "chart/NombresCarta.h"

namespace natalis {

namespace {

// A point of either set of the synastry, named in its own chart (the second set's Ids are
// shifted by kIdSegunda).
PuntoNombrado Nombrar(const Carta& a, const Carta& b, const PuntoAspecto& p, bool segunda) {
    if (!segunda) return NombrarPunto(a.natal, p.Id);
    return NombrarPunto(b.natal, p.Id > 0 ? p.Id - kIdSegunda : p.Id + kIdSegunda);
}

// "Ana: 14 7 1985, 09:30, Madrid" or, for a chart cast from no birth, its title alone.
std::string DatosDe(const Carta& c) {
    if (!c.nacimiento) return NombreCarta(c);
    const NatalRecord& r = *c.nacimiento;
    const std::string lugar = TrimBlanks(r.Place);
    return NombreCarta(c) + ": " + r.FechaNatalTexto + ", " + r.TimeText + ", huso " + r.ZoneSign +
           r.ZoneText + (lugar.empty() ? std::string() : ", " + lugar) + ", latitud " + r.LatText +
           ", longitud " + r.LonText;
}

BloqueInforme Datos(const Carta& a, const Carta& b) {
    BloqueInforme d;
    d.tipo = BloqueInforme::Tipo::Datos;
    d.titulo = "Sinastría de " + NombreCarta(a) + " y " + NombreCarta(b);
    d.lineas.push_back(DatosDe(a));
    d.lineas.push_back(DatosDe(b));
    d.lineas.push_back("Casas: " + CaptionCasas(a.opciones.casas, a.natal.Casas.respaldoPorfirio) +
                       " (las de " + NombreCarta(a) + ")");
    return d;
}

BloqueInforme Rueda(const Carta& a, const Carta& b) {
    BloqueInforme r;
    r.tipo = BloqueInforme::Tipo::Rueda;
    r.dibujo = DibujoRueda::Anillos;
    r.lineas.push_back("Círculo interior: la carta de " + NombreCarta(a) +
                       " (signos, casas y planetas en ocre).");
    r.lineas.push_back("Anillo exterior: los planetas de " + NombreCarta(b) + " (en verde).");
    r.lineas.push_back("En el centro, solo los aspectos entre las dos cartas.");
    return r;
}

BloqueInforme Aspectos(const Carta& a, const Carta& b, const Sinastria& s) {
    BloqueInforme t =
        BloqueTabla("Aspectos cruzados (" + NombreCarta(a) + " con " + NombreCarta(b) + ")",
                    {{"", 18, LetraCelda::Glifo},
                     {"Punto", 92},
                     {"", 16, LetraCelda::Simbolo},
                     {"Aspecto", 104},
                     {"", 18, LetraCelda::Glifo},
                     {"Punto", 92},
                     {"Orbe", 52},
                     {"Fase", 70}});
    for (const AspectoHallado& h : s.aspectos) {
        const PuntoNombrado x = Nombrar(a, b, s.puntosA[static_cast<size_t>(h.a)], false);
        const PuntoNombrado y = Nombrar(a, b, s.puntosB[static_cast<size_t>(h.b)], true);
        // The angles' short names are words of the sans: their glyph cell stays empty.
        t.tabla.filas.push_back({x.letra == LetraCelda::Glifo ? x.glifo : "", x.nombre,
                                 GlifoAspecto(h.k), NombreAspecto(h.k),
                                 y.letra == LetraCelda::Glifo ? y.glifo : "", y.nombre,
                                 OrbeInforme(h.orbe), FaseEnPalabras(h.fase)});
    }
    return t;
}

BloqueInforme Rejilla(const Carta& a, const Carta& b, const Sinastria& s) {
    BloqueInforme g;
    g.tipo = BloqueInforme::Tipo::Rejilla;
    g.titulo = "Rejilla de aspectos cruzados (filas: " + NombreCarta(a) +
               "; columnas: " + NombreCarta(b) + ")";
    RejillaAspectos& r = g.rejilla;
    for (const PuntoAspecto& p : s.puntosA) {
        const PuntoNombrado n = Nombrar(a, b, p, false);
        r.glifos.push_back(n.glifo);
        r.letras.push_back(n.letra);
    }
    for (const PuntoAspecto& p : s.puntosB) {
        const PuntoNombrado n = Nombrar(a, b, p, true);
        r.columnas.push_back(n.glifo);
        r.letrasColumnas.push_back(n.letra);
    }
    r.simbolo.assign(s.puntosA.size(), std::vector<std::string>(s.puntosB.size()));
    r.orbe = r.simbolo;
    for (const AspectoHallado& h : s.aspectos) {
        r.simbolo[static_cast<size_t>(h.a)][static_cast<size_t>(h.b)] = GlifoAspecto(h.k);
        r.orbe[static_cast<size_t>(h.a)][static_cast<size_t>(h.b)] = OrbeInforme(h.orbe);
    }
    return g;
}

// The points of de in the houses of en (casas[i]: the house of de's point i).
BloqueInforme Casas(const Carta& de, const Carta& en, const std::vector<int>& casas) {
    BloqueInforme t =
        BloqueTabla("Planetas de " + NombreCarta(de) + " en las casas de " + NombreCarta(en),
                    {{"", 18, LetraCelda::Glifo}, {"Punto", 122}, {"Casa", 40}});
    for (size_t i = 1; i < casas.size() && i <= de.natal.Puntos.size(); ++i) {
        const PuntoNombrado n = NombrarPunto(de.natal, static_cast<int>(i));
        t.tabla.filas.push_back({n.glifo, n.nombre, std::to_string(casas[i])});
    }
    return t;
}

}  // namespace

InformeCompleto ArmarInformeSinastria(const Carta& a, const Carta& b, const Sinastria& s) {
    InformeCompleto informe;
    informe.bloques.push_back(Datos(a, b));
    informe.nombre = informe.bloques.front().titulo;
    informe.bloques.push_back(Rueda(a, b));
    informe.bloques.push_back(Aspectos(a, b, s));
    informe.bloques.push_back(Rejilla(a, b, s));
    informe.bloques.push_back(Casas(b, a, s.casasEnA));
    informe.bloques.push_back(Casas(a, b, s.casasEnB));
    return informe;
}

}  // namespace natalis
