#include "app/HeadlessProgram.h"

#include "app/Version.h"
#include "app/model/ChartFolderSetup.h"

namespace natalis {

bool ParseFolderOption(const Args& args, size_t from, std::optional<std::string>& folder) {
    folder.reset();
    if (args.size() == from) return true;
    if (args.size() != from + 2 || args[from] != "--folder" || args[from + 1].empty()) {
        return false;
    }
    folder = args[from + 1];
    return true;
}

int HeadlessVersion(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << UsageText();
        return 2;
    }
    out << kProgramName << " " << NatalisVersion() << "\n";
    return 0;
}

int HeadlessCarpeta(const Args& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> option;
    if (!ParseFolderOption(args, 1, option)) {
        err << UsageText();
        return 2;
    }
    const ChartFolderChoice choice = ProcessChartFolder(option);
    const ChartFolderSetup setup = SetUpChartFolder(choice);
    if (!setup.message.empty()) err << setup.message << "\n";
    if (!setup.ok) return 2;
    out << choice.chartFolder << "\n";
    return 0;
}

}  // namespace natalis
