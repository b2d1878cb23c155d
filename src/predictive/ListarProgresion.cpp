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
                           const NatalTables& natal, std::vector<std::string>& lista) {
    const std::vector<PuntoListado> nat = PuntosNatalesListado(natal);
    std::vector<PuntoAspecto> natales(nat.size());
    for (size_t n = 0; n < nat.size(); ++n) {
        natales[n].Lon = nat[n].Lon;
        natales[n].Grado = nat[n].Grado;
        natales[n].Id = static_cast<int>(n) + 1;
    }
    PuntoAspecto movil;
    movil.Lon = lon;
    movil.Grado = grado;
    const auto cumple = [&regla](int k, const PuntoAspecto& a, const PuntoAspecto& b) {
        const double angulo = TablaAspectos[k].Angulo;
        if (regla.ventanaPrimaria) return Comparar_Primaria(a.Lon, b.Lon, angulo);
        bool hay = false;
        CompararAspecto(a.Lon, b.Lon, angulo,
                        OrbeListado(regla.base, regla.factor, k, a.Grado, b.Grado), hay);
        return hay;
    };
    for (const AspectoHallado& h : BuscarAspectos({movil}, natales, cumple)) {
        lista.push_back("  " + std::string(TablaAspectos[h.k].Nombre) + " " + *nat[h.b].Texto);
    }
}

namespace {

PuntoListado Progresado(const ProgTables& prog, int p) {
    const ProgRec& r = p <= 10 ? prog.PlanetaProg[p] : prog.CuspideProg[kCuspidesListadas[p - 11]];
    return {r.Lon, r.Grado, &r.Texto};
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
                                          const PredictiveState& ps, const NatalTables& natal) {
    std::vector<std::string> lista;
    Cabecera(tecnica, arco, ps, lista);
    const bool primaria = FilaTecnica(tecnica).soloDirecta;
    for (int p = 1; p <= 16; ++p) {
        const PuntoListado prog = Progresado(ps.prog, p);
        lista.push_back(*prog.Texto);
        // Progressed cusps 8, 9, 11 and 12 take a narrower orb.
        const float base = p > 12 ? 1.5f * 0.67f : 1.5f;
        ListarAspectosNatales(prog.Lon, prog.Grado, {base, 0.5f, primaria}, natal, lista);
        lista.push_back("   ");
    }
    lista.push_back("   ");
    return lista;
}

}  // namespace natalis
