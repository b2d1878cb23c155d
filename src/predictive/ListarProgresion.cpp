#include "predictive/ListarProgresion.h"

#include "astro/NumberText.h"
#include "chart/Aspects.h"
#include "predictive/DirectionMath.h"

namespace natalis {

const char* const kEtiquetasHoraSolar[5] = {"", "Amanecer", "Mediodía", "Poniente", "Medianoche"};

float OrbeListado(float base, float factor, int k, int gA, int gB) {
    float orbe = base;
    if (k == 6 || k == 7) {
        if ((gA > gB && gA - gB > 15) || (gA <= gB && gB - gA < 15)) orbe = orbe * 0.5f;
    } else if (gA > gB) {
        orbe = orbe * factor;
    }
    return orbe;
}

std::vector<PuntoListado> PuntosNatalesListado(const NatalTables& natal) {
    std::vector<PuntoListado> puntos;
    for (int i : IndicesAspectoNatal(natal)) {
        const PuntoNatal& r = natal.PlanetaNatal[i];
        puntos.push_back({r.Lon, r.Grado, &r.Texto});
    }
    for (int c : kCuspidesListadas) {
        const CuspideRec& r = natal.CuspideNatal[c];
        puntos.push_back({r.Lon, r.Grado, &r.Texto});
    }
    return puntos;
}

PuntoListado PuntoNatalListado(const NatalTables& natal, int n) {
    return PuntosNatalesListado(natal)[n - 1];
}

void ListarAspectosNatales(float lon, int grado, const ReglaAspectos& regla,
                           const NatalTables& natal, std::vector<std::string>& lista, double vel,
                           bool luminaria) {
    const std::vector<PuntoListado> nat = PuntosNatalesListado(natal);
    const std::vector<int> indices = IndicesAspectoNatal(natal);
    std::vector<PuntoAspecto> natales(nat.size());
    for (size_t n = 0; n < nat.size(); ++n) {
        natales[n].Lon = nat[n].Lon;
        natales[n].Grado = nat[n].Grado;
        natales[n].Id = static_cast<int>(n) + 1;
        natales[n].ConVel = true;  // the natal points stand still
    }
    PuntoAspecto movil;
    movil.Lon = lon;
    movil.Grado = grado;
    movil.Vel = vel;
    movil.ConVel = true;
    // The Sun or the Moon: the moving point as the caller says, a natal point by its row.
    const auto esLuminaria = [&](const PuntoAspecto& p) {
        if (p.Id == 0) return luminaria;
        const size_t n = static_cast<size_t>(p.Id) - 1;
        return n < indices.size() && natal.Puntos[indices[n] - 1] <= 1;
    };
    const ReglaOrbe propia = [&regla](int k, const PuntoAspecto& a, const PuntoAspecto& b) {
        const double angulo = TablaAspectos[k].Angulo;
        if (regla.ventanaPrimaria) return Comparar_Primaria(a.Lon, b.Lon, angulo);
        bool hay = false;
        CompararAspecto(a.Lon, b.Lon, angulo,
                        OrbeListado(regla.base, regla.factor, k, a.Grado, b.Grado), hay);
        return hay;
    };
    const ReglaOrbe cumple =
        regla.orbes == Orbes::Predictivos ? ReglaDeOrbes(regla.orbes, esLuminaria) : propia;
    for (const AspectoHallado& h : BuscarAspectos({movil}, natales, cumple)) {
        lista.push_back("  " + std::string(TablaAspectos[h.k].Nombre) + " " + *nat[h.b].Texto +
                        (regla.orbes == Orbes::Clasicos ? "" : TextoOrbe(h)));
    }
}

namespace {

const ProgRec& Progresado(const ProgTables& prog, int p) {
    return p <= 10 ? prog.PlanetaProg[p] : prog.CuspideProg[kCuspidesListadas[p - 11]];
}

void Cabecera(TipoTecnica tecnica, float arco, const PredictiveState& ps,
              std::vector<std::string>& lista) {
    const TecnicaFila& fila = FilaTecnica(tecnica);
    const bool primaria = !fila.cabeceraConArco;
    lista.push_back("PROGRESION");
    if (!primaria) lista.push_back(fila.caption + std::string(ps.Conversa ? " converso" : ""));
    if (primaria && ps.HoraSolar) {
        lista.push_back("HORA SOLAR");
        const int elegida = ps.HoraSolar->eleccion;
        if (elegida >= 1 && elegida <= 4) {
            lista.push_back(std::string(" ") + kEtiquetasHoraSolar[elegida]);
        }
        lista.push_back("  ");
        return;
    }
    if (primaria) lista.push_back("   PRIMARIA");
    lista.push_back("   ");
    lista.push_back("Fecha:  " + ps.FechaProgTexto);
    lista.push_back("Edad :  " + FormatPicture(ps.Edad, 2) + " años.");
    if (!primaria) lista.push_back("arco :  " + FormatPicture(arco, 2) + " grados");
    lista.push_back("   ");
    lista.push_back("   ");
}

}  // namespace

std::vector<std::string> ListarProgresion(TipoTecnica tecnica, float arco,
                                          const PredictiveState& ps, const NatalTables& natal,
                                          Orbes orbes) {
    std::vector<std::string> lista;
    Cabecera(tecnica, arco, ps, lista);
    const bool primaria = FilaTecnica(tecnica).soloDirecta;
    for (int p = 1; p <= 16; ++p) {
        const ProgRec& prog = Progresado(ps.prog, p);
        lista.push_back(prog.Texto);
        // Progressed cusps 8, 9, 11 and 12 take a narrower orb.
        const float base = p > 12 ? 1.5f * 0.67f : 1.5f;
        ListarAspectosNatales(prog.Lon, prog.Grado, {base, 0.5f, primaria, orbes}, natal, lista,
                              prog.Vel, p <= 2);
        lista.push_back("   ");
    }
    // The chart's other points, with the bodies' orb.
    for (const ProgRec& r : ps.prog.Extra) {
        lista.push_back(r.Texto);
        ListarAspectosNatales(r.Lon, r.Grado, {1.5f, 0.5f, primaria, orbes}, natal, lista, r.Vel);
        lista.push_back("   ");
    }
    lista.push_back("   ");
    return lista;
}

}  // namespace natalis
