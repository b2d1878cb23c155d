// Reading a whole file of the chart folder, for the commands that rewrite one.
#pragma once
#include <string>

namespace natalis {

struct FileReadResult {
    bool ok = false;
    std::string bytes;    // the file's content when ok
    std::string message;  // Spanish, for a message box, when !ok
};

// The whole content of folder/fileName. A missing file, a folder in its place or a read
// error gives a message naming the file.
FileReadResult ReadFileBytes(const std::string& folder, const std::string& fileName);

}  // namespace natalis
