#include "app/model/AvisoGuardado.h"

#include "app/model/SafeFileWrite.h"
#include "astro/TextTrim.h"

namespace natalis {

namespace {

std::string Where(const std::string& folder, const std::string& fileName) {
    return "«" + JoinPath(folder, fileName) + "»";
}

}  // namespace

std::string AvisoCartaGuardada(const std::string& name, const std::string& folder,
                               const std::string& fileName) {
    const std::string who = TrimBlanks(name);
    return "Se guardó la carta natal" + (who.empty() ? std::string() : " de " + who) + " en " +
           Where(folder, fileName) + ".";
}

std::string AvisoHoraGuardada(const std::string& hora, const std::string& folder,
                              const std::string& fileName) {
    return "Se guardó la nueva hora natal, " + TrimBlanks(hora) + ", en " +
           Where(folder, fileName) + ".";
}

std::string AvisoNotasGuardadas(const std::string& folder, const std::string& fileName) {
    return "Se guardaron las anotaciones en " + Where(folder, fileName) + ".";
}

}  // namespace natalis
