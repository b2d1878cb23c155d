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

PuntoListado PuntoNatalListado(const NatalTables& natal, int n) {
    if (n <= 10) {
        const PuntoNatal& r = natal.PlanetaNatal[n];
        return {r.Lon, r.Grado, &r.Texto};
    }
    const CuspideRec& r = natal.CuspideNatal[kCuspidesListadas[n - 11]];
    return {r.Lon, r.Grado, &r.Texto};
}

void ListarAspectosNatales(float lon, int grado, const ReglaAspectos& regla,
                           const NatalTables& natal, std::vector<std::string>& lista) {
    for (int n = 1; n <= 16; ++n) {
        const PuntoListado nat = PuntoNatalListado(natal, n);
        for (int k = 0; k < kNumAspectos; ++k) {
            const double angulo = TablaAspectos[k].Angulo;
            bool hay = false;
            if (regla.ventanaPrimaria) {
                hay = Comparar_Primaria(lon, nat.Lon, angulo);
            } else {
                CompararAspecto(lon, nat.Lon, angulo,
                                OrbeListado(regla.base, regla.factor, k, grado, nat.Grado), hay);
            }
            if (hay) {
                lista.push_back("  " + std::string(TablaAspectos[k].Nombre) + " " + *nat.Texto);
                break;
            }
        }
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
