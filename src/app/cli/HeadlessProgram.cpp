#include "app/cli/HeadlessProgram.h"

#include "app/model/ChartFolderSetup.h"
#include "app/model/Version.h"

namespace natalis {

bool ParseFolderOption(const Args& args, size_t from, std::optional<std::string>& folder) {
    // The window takes the options of --carpeta.
    Args carpeta = {"--carpeta"};
    carpeta.insert(carpeta.end(), args.begin() + static_cast<std::ptrdiff_t>(from), args.end());
    const LecturaOpciones l = LeerOpcionesHeadless("--carpeta", carpeta);
    folder.reset();
    if (!l.opciones) return false;
    folder = l.opciones->carpeta;
    return true;
}

int HeadlessVersion(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--version", args, err);
    if (!opciones) return 2;
    out << kProgramName << " " << NatalisVersion() << "\n";
    return 0;
}

int HeadlessCarpeta(const Args& args, std::ostream& out, std::ostream& err) {
    const auto opciones = LeerOpcionesOAvisar("--carpeta", args, err);
    if (!opciones) return 2;
    const ChartFolderChoice choice = ProcessChartFolder(opciones->carpeta);
    const ChartFolderSetup setup = SetUpChartFolder(choice);
    if (!setup.message.empty()) err << setup.message << "\n";
    if (!setup.ok) return 2;
    out << choice.chartFolder << "\n";
    return 0;
}

}  // namespace natalis
