#include "app/model/ChartFormats.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "app/model/SafeFileWrite.h"

namespace natalis {

namespace {

// A ".dat" chart: some line among the first begins, after blanks, with a field number from
// 1 to 9 and the ':' or ';' the layout puts after it.
bool LooksLikeDat(std::string_view head) {
    size_t start = 0;
    while (start < head.size()) {
        size_t end = head.find('\n', start);
        if (end == std::string_view::npos) end = head.size();
        std::string_view line = head.substr(start, end - start);
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos && first + 1 < line.size() && line[first] >= '1' &&
            line[first] <= '9' && (line[first + 1] == ':' || line[first + 1] == ';')) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWith(const std::string& name, const std::string& extension) {
    return name.size() > extension.size() &&
           Lower(name.substr(name.size() - extension.size())) == extension;
}

// How many bytes of a file's start are handed to the rows' detect.
constexpr size_t kHeadBytes = 512;

}  // namespace

const std::vector<ChartFormat>& ChartFormats() {
    static const std::vector<ChartFormat> formats = {
        {".dat", "carta de Natalis", ReadChartStream, ChartFileText, LooksLikeDat},
    };
    return formats;
}

const ChartFormat& NativeChartFormat() { return ChartFormats().front(); }

const ChartFormat* ChartFormatFor(const std::string& fileName, std::string_view head) {
    const ChartFormat* found = nullptr;
    for (const ChartFormat& f : ChartFormats()) {
        if (!EndsWith(fileName, f.extension)) continue;
        if (!found) found = &f;
        if (!head.empty() && f.detect(head)) return &f;
    }
    return found;
}

bool IsChartFileName(const std::string& fileName) { return ChartFormatFor(fileName) != nullptr; }

std::string UnknownChartFormatReason() {
    std::string known;
    for (const ChartFormat& f : ChartFormats()) {
        known += (known.empty() ? "" : ", ") + std::string(f.extension);
    }
    return "el programa no lee archivos de carta de esa extensión (lee " + known + ")";
}

ChartReadResult ReadChartAnyFormat(const std::string& folder, const std::string& fileName,
                                   NatalRecord& rec) {
    const auto sharing =
        std::count_if(ChartFormats().begin(), ChartFormats().end(),
                      [&](const ChartFormat& f) { return EndsWith(fileName, f.extension); });
    if (sharing == 0) return ChartReadRefused(fileName, 0, UnknownChartFormatReason());
    std::string head;
    if (sharing > 1) {
        std::ifstream in(JoinPath(folder, fileName), std::ios::binary);
        head.resize(kHeadBytes);
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<size_t>(std::max<std::streamsize>(0, in.gcount())));
    }
    return ReadChartFileWith(folder, fileName, rec, ChartFormatFor(fileName, head)->read);
}

}  // namespace natalis
