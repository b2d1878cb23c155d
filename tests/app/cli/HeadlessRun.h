// Running a headless command inside a test: its exit code and what it wrote on each stream.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/HeadlessOptions.h"

namespace natalis {

struct Outcome {
    int code;
    std::string out, err;
};

inline Outcome Invoke(int (*command)(const Args&, std::ostream&, std::ostream&), const Args& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

// The text's lines, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace natalis
