#include "app/session/SalirSinGuardar.h"

#include "astro/TextTrim.h"

namespace natalis {

const char kTituloSalir[] = "Salir";

std::optional<std::string> PreguntaSalir(const ChartFlags& flags, const NatalRecord& rec,
                                         const std::string& horaNueva) {
    const std::string ask = " ¿Salir sin guardar?";
    if (!flags.ChartLoaded) return std::nullopt;
    if (flags.NewChart) {
        if (flags.NewChartSaved) return std::nullopt;
        const std::string name = TrimBlanks(rec.NatalName);
        return (name.empty() ? std::string("La carta nueva") : "La carta «" + name + "»") +
               " no se ha guardado." + ask;
    }
    if (!horaNueva.empty()) {
        return "La carta «" + flags.ChartFileName + "» no se ha guardado: su nueva hora natal (" +
               TrimBlanks(horaNueva) + ") no se escribió en el archivo." + ask;
    }
    return std::nullopt;
}

}  // namespace natalis
