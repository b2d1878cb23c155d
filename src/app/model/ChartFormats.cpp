#include "app/model/ChartFormats.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "app/model/FormatoAaf.h"
#include "app/model/FormatoCsv.h"
#include "app/model/FormatoMorinus.h"
#include "app/model/FormatoQuickChart.h"
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

// An AAF collection carries no positions.
std::string WriteAaf(const std::vector<CartaGuardada>& charts,
                     const std::vector<ColumnaPosiciones>&) {
    return EscribirAaf(charts);
}

bool EndsWithAny(const std::string& name, const ChartFormat& f) {
    if (EndsWith(name, f.extension)) return true;
    return std::any_of(f.moreExtensions.begin(), f.moreExtensions.end(),
                       [&](const char* e) { return EndsWith(name, e); });
}

bool IsOne(const ChartFormat& f) { return f.charts == ChartsPerFile::One; }

// How many bytes of a file's start are handed to the rows' detect.
constexpr size_t kHeadBytes = 512;

}  // namespace

const std::vector<ChartFormat>& ChartFormats() {
    // clang-format off
    static const std::vector<ChartFormat> formats = {
        // extension, description, read, write, detect, charts, name, caption,
        // moreExtensions, readMany, writeMany, wantsPositions
        {".dat", "carta de Natalis", ReadChartStream, ChartFileText, LooksLikeDat,
         ChartsPerFile::One, "Natalis", "Cartas de Natalis", {}, nullptr, nullptr, false},
        {".aaf", "colección AAF", nullptr, nullptr, PareceAaf,
         ChartsPerFile::Many, "AAF", "Intercambio AAF", {}, LeerAaf, WriteAaf, false},
        {".csv", "tabla CSV", nullptr, nullptr, PareceCsv,
         ChartsPerFile::Many, "CSV", "Tabla CSV", {}, LeerCsv, EscribirCsv, true},
        {".qck", "lista Quick*Chart", nullptr, nullptr, PareceQuickChart,
         ChartsPerFile::Many, "Quick*Chart", "Lista Quick*Chart", {".qc"}, LeerQuickChart,
         nullptr, false},
        {".hor", "carta de Morinus", nullptr, nullptr, PareceMorinus,
         ChartsPerFile::Many, "Morinus", "Carta de Morinus", {}, LeerMorinus, nullptr, false},
    };
    // clang-format on
    return formats;
}

const ChartFormat& NativeChartFormat() { return ChartFormats().front(); }

const ChartFormat* ChartFormatFor(const std::string& fileName, std::string_view head) {
    const ChartFormat* found = nullptr;
    for (const ChartFormat& f : ChartFormats()) {
        if (!IsOne(f) || !EndsWithAny(fileName, f)) continue;
        if (!found) found = &f;
        if (!head.empty() && f.detect(head)) return &f;
    }
    return found;
}

bool IsChartFileName(const std::string& fileName) { return ChartFormatFor(fileName) != nullptr; }

std::string UnknownChartFormatReason() {
    std::string known;
    for (const ChartFormat& f : ChartFormats()) {
        if (!IsOne(f)) continue;
        known += (known.empty() ? "" : ", ") + std::string(f.extension);
    }
    return "el programa no lee archivos de carta de esa extensión (lee " + known + ")";
}

ChartReadResult ReadChartAnyFormat(const std::string& folder, const std::string& fileName,
                                   NatalRecord& rec) {
    const auto sharing =
        std::count_if(ChartFormats().begin(), ChartFormats().end(),
                      [&](const ChartFormat& f) { return IsOne(f) && EndsWithAny(fileName, f); });
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

const ChartFormat* CollectionFormatFor(const std::string& fileName, std::string_view bytes) {
    for (const ChartFormat& f : ChartFormats())
        if (!IsOne(f) && EndsWithAny(fileName, f)) return &f;
    for (const ChartFormat& f : ChartFormats())
        if (!IsOne(f) && f.detect(bytes)) return &f;
    return nullptr;
}

const ChartFormat* CollectionWriterNamed(const std::string& commandLineName) {
    for (const ChartFormat* f : CollectionWriters())
        if (Lower(f->name) == commandLineName) return f;
    return nullptr;
}

std::vector<const ChartFormat*> CollectionWriters() {
    std::vector<const ChartFormat*> writers;
    for (const ChartFormat& f : ChartFormats())
        if (!IsOne(f) && f.writeMany) writers.push_back(&f);
    return writers;
}

namespace {

// "*.aaf *.AAF": the patterns of the format's extensions, with their upper case forms when
// upperToo (file dialogs may match case).
std::string Patterns(const ChartFormat& f, bool upperToo) {
    std::vector<std::string> extensions = {f.extension};
    for (const char* e : f.moreExtensions) extensions.emplace_back(e);
    std::string patterns;
    for (const std::string& e : extensions) {
        patterns += (patterns.empty() ? "*" : " *") + e;
        if (!upperToo) continue;
        std::string upper = e;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        patterns += " *" + upper;
    }
    return patterns;
}

}  // namespace

std::string DialogFilter(const ChartFormat& format) {
    return std::string(format.caption) + " (" + Patterns(format, false) + ")";
}

std::vector<std::string> ImportDialogFilters() {
    std::string together;
    std::vector<std::string> filters = {""};
    for (const ChartFormat& f : ChartFormats()) {
        if (IsOne(f)) continue;
        together += (together.empty() ? "" : " ") + Patterns(f, true);
        filters.push_back(DialogFilter(f));
    }
    filters.front() = "Cartas de otros programas (" + together + ")";
    filters.push_back("Todos los archivos (*)");
    return filters;
}

std::vector<std::string> ExportDialogFilters() {
    std::vector<std::string> filters;
    for (const ChartFormat* f : CollectionWriters()) filters.push_back(DialogFilter(*f));
    return filters;
}

}  // namespace natalis
