// The atlas: loading GeoNames' files and the user's places, the word index, the search.
#include "app/model/Atlas.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <utility>

#include "app/model/MoCatalogue.h"
#include "app/model/SearchText.h"
#include "app/model/UserPlaces.h"

namespace natalis {

namespace {

constexpr const char* kGeoNamesFolder = "/usr/share/libtimezonemap/ui/";
constexpr const char* kCataloguePackage = "libgeonames-common";
constexpr const char* kAtlasPackage = "libtimezonemap-data";

// Words that open the Spanish name of a first-level division and say only what kind of
// division it is: "Comunidad Autónoma de Andalucía" is shown as "Andalucía", "Provincia de
// Córdoba" as "Córdoba". Longer openings first.
constexpr const char* kDivisionKinds[] = {
    "Comunidad Autónoma de ",
    "Comunidad Autónoma del ",
    "Comunidad Foral de ",
    "Principado de ",
    "Región Autónoma de ",
    "Provincia de ",
    "Provincia del ",
    "Región de ",
    "Región del ",
    "Estado de ",
    "Estado del ",
    "Departamento de ",
    "Departamento del ",
    "Distrito de ",
    "Distrito del ",
    "Prefectura de ",
    "Municipio de ",
    "Condado de ",
    "Parroquia de ",
    "Gobernación de ",
    "Voivodato de ",
    "Óblast de ",
    "Oblast de ",
    "Cantón de ",
    "Cantón del ",
    "Krai de ",
    "Territorio de ",
    "Territorio del ",
};
// Articles left in lower case after such an opening ("de las Islas Baleares").
constexpr const char* kLowerArticles[] = {"las ", "los ", "la ", "el "};

std::string ShortDivisionName(const std::string& spanish) {
    for (const char* kind : kDivisionKinds) {
        const std::string_view k(kind);
        if (spanish.size() > k.size() && spanish.compare(0, k.size(), k) == 0) {
            std::string rest = spanish.substr(k.size());
            for (const char* article : kLowerArticles) {
                const std::string_view a(article);
                if (rest.size() > a.size() && rest.compare(0, a.size(), a) == 0) {
                    rest.erase(0, a.size());
                    break;
                }
            }
            return rest;
        }
    }
    return spanish;
}

std::optional<std::string> FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// "No se encontró el archivo «…» (paquete …): what is lost." or, for a file that is there
// but cannot be read, "No se pudo leer …".
std::string FileMessage(const std::string& path, const char* package, const std::string& lost) {
    std::error_code ec;
    const bool there = std::filesystem::exists(path, ec);
    return std::string(there ? "No se pudo leer el archivo «" : "No se encontró el archivo «") +
           path + "» (paquete " + package + "): " + lost + ".";
}

// Calls f(line) for each line of bytes, without its line end.
template <typename F>
void ForEachLine(std::string_view bytes, F f) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t nl = bytes.find('\n', at);
        if (nl == std::string_view::npos) nl = bytes.size();
        std::string_view line = bytes.substr(at, nl - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        f(line);
        at = nl + 1;
    }
}

// The first n tab-separated fields of a line (fewer when the line has fewer).
std::vector<std::string_view> Fields(std::string_view line, std::size_t n) {
    std::vector<std::string_view> f;
    std::size_t at = 0;
    while (f.size() < n) {
        const std::size_t tab = line.find('\t', at);
        f.push_back(
            line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos) break;
        at = tab + 1;
    }
    return f;
}

template <typename T>
std::optional<T> Number(std::string_view s) {
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

struct Division {
    std::string shown;    // Spanish short name, else GeoNames' name
    std::string english;  // GeoNames' name
};

std::string Translated(const MoCatalogue& es, const std::string& key, std::string fallback) {
    const auto it = es.entries.find(key);
    return it == es.entries.end() ? std::move(fallback) : it->second;
}

// The folded words of texts, each once.
std::vector<std::string> DistinctWords(std::initializer_list<const std::string*> texts) {
    std::vector<std::string> out;
    for (const std::string* t : texts) {
        for (std::string& w : SearchWords(*t)) {
            if (std::find(out.begin(), out.end(), w) == out.end()) out.push_back(std::move(w));
        }
    }
    return out;
}

// Folded names of a place, each once.
std::vector<std::string> DistinctNames(std::initializer_list<std::string_view> names) {
    std::vector<std::string> out;
    for (std::string_view n : names) {
        std::string f = FoldForSearch(n);
        if (!f.empty() && std::find(out.begin(), out.end(), f) == out.end()) {
            out.push_back(std::move(f));
        }
    }
    return out;
}

}  // namespace

AtlasFiles SystemAtlasFiles() {
    const std::string dir = kGeoNamesFolder;
    return {dir + "cities15000.txt", dir + "admin1Codes.txt", dir + "countryInfo.txt",
            "/usr/share/locale/es/LC_MESSAGES/geonames.mo"};
}

Atlas Atlas::Load(const AtlasFiles& files, const std::string& chartFolder) {
    Atlas a;
    a.chartFolder_ = chartFolder;

    MoCatalogue es;
    if (const std::optional<std::string> bytes = FileContent(files.spanish)) {
        es = ParseMoCatalogue(*bytes);
        if (!es.ok) {
            a.warnings_.push_back("El archivo «" + files.spanish + "» (paquete " +
                                  kCataloguePackage + ") " + es.error +
                                  ": los lugares se muestran con sus nombres de GeoNames.");
        }
    } else {
        a.warnings_.push_back(FileMessage(files.spanish, kCataloguePackage,
                                          "los lugares se muestran con sus nombres de GeoNames"));
    }

    // Countries: ISO code, ISO3, number, FIPS, name, ...
    std::unordered_map<std::string, Division> countries;
    if (const std::optional<std::string> bytes = FileContent(files.countries)) {
        ForEachLine(*bytes, [&](std::string_view line) {
            if (line.empty() || line.front() == '#') return;
            const std::vector<std::string_view> f = Fields(line, 5);
            if (f.size() < 5 || f[0].empty()) return;
            const std::string code(f[0]);
            countries[code] = {Translated(es, code, std::string(f[4])), std::string(f[4])};
        });
    } else {
        a.warnings_.push_back(
            FileMessage(files.countries, kAtlasPackage, "los países se muestran con su código"));
    }

    // First-level divisions: "CC.code", name, ASCII name, id.
    std::unordered_map<std::string, Division> regions;
    if (const std::optional<std::string> bytes = FileContent(files.regions)) {
        ForEachLine(*bytes, [&](std::string_view line) {
            const std::vector<std::string_view> f = Fields(line, 2);
            if (f.size() < 2 || f[0].empty()) return;
            const std::string code(f[0]);
            const auto it = es.entries.find(code);
            regions[code] = {
                it == es.entries.end() ? std::string(f[1]) : ShortDivisionName(it->second),
                std::string(f[1])};
        });
    } else {
        a.warnings_.push_back(
            FileMessage(files.regions, kAtlasPackage, "los lugares se muestran sin su región"));
    }

    if (const std::optional<std::string> bytes = FileContent(files.cities)) {
        std::size_t unreadable = 0;
        const Division none;
        ForEachLine(*bytes, [&](std::string_view line) {
            if (line.empty()) return;
            const std::vector<std::string_view> f = Fields(line, 18);
            const std::optional<double> lat = f.size() == 18 ? Number<double>(f[4]) : std::nullopt;
            const std::optional<double> lon = f.size() == 18 ? Number<double>(f[5]) : std::nullopt;
            if (!lat || !lon || f[1].empty() || f[17].empty()) {
                ++unreadable;
                return;
            }
            const std::string code(f[8]);
            const auto country = countries.find(code);
            const auto region = regions.find(code + "." + std::string(f[10]));
            const Division& c = country == countries.end() ? none : country->second;
            const Division& r = region == regions.end() ? none : region->second;
            Place p;
            p.name = Translated(es, std::string(f[0]), std::string(f[1]));
            p.region = r.shown;
            p.country = c.shown.empty() ? code : c.shown;
            p.latitudeDeg = *lat;
            p.longitudeDeg = *lon;
            p.zone = std::string(f[17]);
            p.population = Number<long>(f[14]).value_or(0);
            p.geonameId = Number<long>(f[0]).value_or(0);
            a.names_.push_back(DistinctNames({p.name, f[1], f[2]}));
            a.context_.push_back(DistinctWords({&r.shown, &r.english, &p.country, &c.english}));
            a.places_.push_back(std::move(p));
        });
        if (unreadable == 1) {
            a.warnings_.push_back("Un renglón de «" + files.cities +
                                  "» no es un lugar y se pasa por alto.");
        } else if (unreadable > 1) {
            a.warnings_.push_back(std::to_string(unreadable) + " renglones de «" + files.cities +
                                  "» no son lugares y se pasan por alto.");
        }
    } else {
        a.warnings_.push_back(FileMessage(files.cities, kAtlasPackage,
                                          "el atlas no tiene lugares; solo se buscan los propios"));
    }

    if (!chartFolder.empty()) {
        UserPlacesRead own = ReadUserPlaces(chartFolder);
        for (std::string& w : own.warnings) a.warnings_.push_back(std::move(w));
        for (Place& p : own.places) {
            a.names_.push_back(DistinctNames({p.name}));
            a.context_.push_back(DistinctWords({&p.region, &p.country}));
            a.places_.push_back(std::move(p));
        }
    }
    a.BuildIndex();
    return a;
}

void Atlas::BuildIndex() {
    // (word, posting) pairs, sorted by word, then grouped.
    std::vector<std::pair<std::string_view, std::uint32_t>> pairs;
    pairs.reserve(places_.size() * 6);
    for (std::uint32_t i = 0; i < places_.size(); ++i) {
        const std::size_t first = pairs.size();
        for (const std::string& name : names_[i]) {
            std::size_t at = 0;
            while (at < name.size()) {
                std::size_t blank = name.find(' ', at);
                if (blank == std::string::npos) blank = name.size();
                const std::string_view w(name.data() + at, blank - at);
                const bool known = std::any_of(pairs.begin() + first, pairs.end(),
                                               [&](const auto& p) { return p.first == w; });
                if (!known) pairs.emplace_back(w, i * 2 + 1);
                at = blank + 1;
            }
        }
        for (const std::string& w : context_[i]) pairs.emplace_back(w, i * 2);
    }
    std::sort(pairs.begin(), pairs.end());
    words_.clear();
    postingStart_.clear();
    postings_.clear();
    postings_.reserve(pairs.size());
    for (const auto& [word, posting] : pairs) {
        if (words_.empty() || words_.back() != word) {
            words_.emplace_back(word);
            postingStart_.push_back(static_cast<std::uint32_t>(postings_.size()));
        }
        postings_.push_back(posting);
    }
    postingStart_.push_back(static_cast<std::uint32_t>(postings_.size()));
}

std::vector<Place> Atlas::Search(std::string_view text, std::size_t limit) const {
    std::vector<std::string> query = SearchWords(text);
    if (query.empty() || limit == 0) return {};
    constexpr std::size_t kMaxWords = 32;
    if (query.size() > kMaxWords) query.resize(kMaxWords);
    const std::uint32_t all =
        query.size() == kMaxWords ? ~0u : (1u << query.size()) - 1;  // one bit per word

    // For each place, which query words begin one of its words, and one of its name's.
    std::vector<std::uint32_t> matched(places_.size()), inName(places_.size());
    for (std::size_t k = 0; k < query.size(); ++k) {
        const std::string& q = query[k];
        const std::uint32_t bit = 1u << k;
        for (auto it = std::lower_bound(words_.begin(), words_.end(), q);
             it != words_.end() && it->compare(0, q.size(), q) == 0; ++it) {
            const std::size_t w = static_cast<std::size_t>(it - words_.begin());
            for (std::uint32_t p = postingStart_[w]; p < postingStart_[w + 1]; ++p) {
                const std::uint32_t place = postings_[p] >> 1;
                matched[place] |= bit;
                if (postings_[p] & 1) inName[place] |= bit;
            }
        }
    }

    // Tier 0: a name equal to the words typed for the name; 1: a name beginning with them;
    // 2: the words begin words of the name elsewhere.
    auto join = [&](std::uint32_t bits) {
        std::string s;
        for (std::size_t k = 0; k < query.size(); ++k) {
            if (!(bits & (1u << k))) continue;
            if (!s.empty()) s += ' ';
            s += query[k];
        }
        return s;
    };
    const std::string whole = join(all);
    struct Hit {
        int tier;
        std::uint32_t place;
    };
    std::vector<Hit> hits;
    for (std::uint32_t i = 0; i < places_.size(); ++i) {
        if (matched[i] != all || inName[i] == 0) continue;
        const std::string typed = inName[i] == all ? whole : join(inName[i]);
        int tier = 2;
        for (const std::string& n : names_[i]) {
            if (n == typed) {
                tier = 0;
                break;
            }
            if (n.compare(0, typed.size(), typed) == 0) tier = 1;
        }
        hits.push_back({tier, i});
    }
    auto better = [&](const Hit& a, const Hit& b) {
        const Place& pa = places_[a.place];
        const Place& pb = places_[b.place];
        if (a.tier != b.tier) return a.tier < b.tier;
        if (pa.userPlace != pb.userPlace) return pa.userPlace;
        if (pa.population != pb.population) return pa.population > pb.population;
        if (pa.name != pb.name) return pa.name < pb.name;
        return a.place < b.place;
    };
    const std::size_t n = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(n), hits.end(),
                      better);
    std::vector<Place> out;
    out.reserve(n);
    for (std::size_t k = 0; k < n; ++k) out.push_back(places_[hits[k].place]);
    return out;
}

FileWriteResult Atlas::AddUserPlace(const Place& place) {
    if (chartFolder_.empty()) {
        return {false, "No hay carpeta de cartas donde guardar el lugar."};
    }
    FileWriteResult saved = SaveUserPlace(chartFolder_, place);
    if (!saved.ok) return saved;

    // What the file now holds for it, read back the way a load reads it.
    UserPlacesRead line = ParseUserPlaces(UserPlaceLine(place), kUserPlacesFileName);
    if (line.places.empty()) return saved;
    Place kept = std::move(line.places.front());
    const std::vector<std::string> names = DistinctNames({kept.name});
    const std::vector<std::string> context = DistinctWords({&kept.region, &kept.country});
    const std::string key = UserPlaceKey(kept);
    std::size_t at = places_.size();
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (places_[i].userPlace && UserPlaceKey(places_[i]) == key) {
            at = i;
            break;
        }
    }
    if (at == places_.size()) {
        places_.push_back(std::move(kept));
        names_.push_back(names);
        context_.push_back(context);
    } else {
        places_[at] = std::move(kept);
        names_[at] = names;
        context_[at] = context;
    }
    BuildIndex();
    return saved;
}

}  // namespace natalis
