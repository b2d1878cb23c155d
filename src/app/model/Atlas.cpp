// The atlas: reading the atlas file and the user's places, the word index, the search.
#include "app/model/Atlas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <utility>

#include "app/model/ChartFolderSetup.h"
#include "app/model/SearchText.h"
#include "app/model/UserPlaces.h"

namespace natalis {

namespace {

std::optional<std::string> FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return std::nullopt;
    return bytes;
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

// The tab-separated fields of a line, at most n (the last keeps any further tabs).
std::size_t SplitFields(std::string_view line, std::string_view* fields, std::size_t n) {
    std::size_t count = 0, at = 0;
    while (count + 1 < n) {
        const std::size_t tab = line.find('\t', at);
        if (tab == std::string_view::npos) break;
        fields[count++] = line.substr(at, tab - at);
        at = tab + 1;
    }
    fields[count++] = line.substr(at);
    return count;
}

template <typename T>
std::optional<T> Number(std::string_view s) {
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

// The parts of text between separators.
template <typename F>
void ForEachPart(std::string_view text, char separator, F f) {
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(separator, at);
        if (end == std::string_view::npos) end = text.size();
        if (end > at) f(text.substr(at, end - at));
        at = end + 1;
    }
}

// Point on the unit sphere for a latitude and longitude in degrees; the straight distance
// between two such points grows with the distance along the Earth's surface, so it orders
// places by nearness.
struct UnitVector {
    double x, y, z;
};
UnitVector OnUnitSphere(double latitudeDeg, double longitudeDeg) {
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
    const double lat = latitudeDeg * kRadiansPerDegree, lon = longitudeDeg * kRadiansPerDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

}  // namespace

std::string SystemAtlasFile() { return ProgramDataFolder() + kAtlasFileName; }

std::string LugarNoEncontrado(std::string_view text) {
    return "No se encontró «" + std::string(text) +
           "» en el atlas: escriba la latitud y la longitud del lugar, elija su zona horaria en "
           "la lista de zonas y, si quiere, guárdelo con «Agregar a mis lugares».";
}

std::uint32_t Atlas::AddRow(std::string_view shown, std::initializer_list<std::string_view> names,
                            std::uint16_t zone, std::uint32_t context) {
    Row r;
    r.shown = static_cast<std::uint32_t>(text_.size());
    r.shownLength = static_cast<std::uint16_t>(std::min<std::size_t>(shown.size(), 0xFFFF));
    text_.append(shown.substr(0, r.shownLength));
    // Its folded names, each once.
    r.folded = static_cast<std::uint32_t>(folded_.size());
    for (std::string_view name : names) {
        const std::string f = FoldForSearch(name);
        if (f.empty()) continue;
        const std::string_view kept(folded_.data() + r.folded, folded_.size() - r.folded);
        bool known = false;
        ForEachPart(kept, '\n', [&](std::string_view n) { known = known || n == f; });
        if (known) continue;
        if (folded_.size() > r.folded) folded_ += '\n';
        folded_ += f;
    }
    r.foldedLength =
        static_cast<std::uint16_t>(std::min<std::size_t>(folded_.size() - r.folded, 0xFFFF));
    r.zone = zone;
    r.context = context;
    rows_.push_back(r);
    return static_cast<std::uint32_t>(rows_.size() - 1);
}

std::uint16_t Atlas::ZoneIndex(std::string_view zone) {
    const auto at =
        static_cast<std::size_t>(std::find(zones_.begin(), zones_.end(), zone) - zones_.begin());
    if (at == zones_.size()) zones_.emplace_back(zone);
    return static_cast<std::uint16_t>(at);
}

std::uint32_t Atlas::AddContext(const std::string& region, const std::string& country,
                                std::initializer_list<std::string_view> searched) {
    Context c{region, country, {}};
    for (std::string_view text : searched) {
        for (std::string& w : SearchWords(text)) {
            if (std::find(c.words.begin(), c.words.end(), w) == c.words.end())
                c.words.push_back(std::move(w));
        }
    }
    contexts_.push_back(std::move(c));
    return static_cast<std::uint32_t>(contexts_.size() - 1);
}

Atlas Atlas::Load(const std::string& atlasFile, const std::string& chartFolder) {
    Atlas a;
    a.chartFolder_ = chartFolder;

    if (std::optional<std::string> bytes = FileContent(atlasFile)) {
        struct Names {
            std::string shown, searched;
        };
        std::unordered_map<std::string, Names> countries;
        std::unordered_map<std::string, Names> regions;
        std::unordered_map<std::string, std::uint32_t> contextOf;  // "ES.51" -> context
        std::string key;  // the key looked up, its buffer reused
        std::unordered_map<std::string, std::uint16_t> zoneOf;
        std::string zoneName;  // the key looked up, its buffer reused
        std::size_t unreadable = 0;
        a.rows_.reserve(static_cast<std::size_t>(std::count(bytes->begin(), bytes->end(), '\n')));
        // Names are about a third of a line; their folded forms about as long.
        a.text_.reserve(bytes->size() / 4);
        a.folded_.reserve(bytes->size() / 3);
        ForEachLine(*bytes, [&](std::string_view line) {
            if (line.empty() || line.front() == '#') return;
            std::string_view f[8];
            const std::size_t n = SplitFields(line, f, 8);
            if ((f[0] == "C" || f[0] == "R") && n >= 4 && !f[1].empty()) {
                (f[0] == "C" ? countries : regions)[std::string(f[1])] = {std::string(f[2]),
                                                                          std::string(f[3])};
                return;
            }
            const std::optional<long> id = Number<long>(f[0]);
            const std::optional<double> lat = n == 8 ? Number<double>(f[3]) : std::nullopt;
            const std::optional<double> lon = n == 8 ? Number<double>(f[4]) : std::nullopt;
            const std::optional<long> people = n == 8 ? Number<long>(f[6]) : std::nullopt;
            if (!id || !lat || !lon || !people || f[1].empty() || f[7].empty() ||
                std::fabs(*lat) > 90 || std::fabs(*lon) > 180) {
                ++unreadable;
                return;
            }
            std::uint32_t context = 0;
            key.assign(f[5]);
            if (const auto known = contextOf.find(key); known != contextOf.end()) {
                context = known->second;
            } else {
                const std::string code = key.substr(0, key.find('.'));
                const auto c = countries.find(code);
                const auto r = regions.find(key);
                const Names none;
                const Names& cn = c == countries.end() ? Names{code, code} : c->second;
                const Names& rn = r == regions.end() ? none : r->second;
                context = a.AddContext(rn.shown, cn.shown,
                                       {rn.shown, rn.searched, cn.shown, cn.searched});
                contextOf.emplace(key, context);
            }
            // Zones are few: each is looked up once per place but stored once.
            std::uint16_t zone = 0;
            zoneName.assign(f[7]);
            if (const auto z = zoneOf.find(zoneName); z != zoneOf.end()) {
                zone = z->second;
            } else {
                zone = static_cast<std::uint16_t>(a.zones_.size());
                a.zones_.push_back(zoneName);
                zoneOf.emplace(zoneName, zone);
            }
            std::string_view others[2];
            const std::size_t k = f[2].empty() ? 0 : SplitFields(f[2], others, 2);
            const std::uint32_t row = a.AddRow(
                f[1], {f[1], k > 0 ? others[0] : "", k > 1 ? others[1] : ""}, zone, context);
            Row& r = a.rows_[row];
            r.latitudeDeg = *lat;
            r.longitudeDeg = *lon;
            r.population = static_cast<std::uint32_t>(std::max(0L, *people));
            r.geonameId = static_cast<std::uint32_t>(std::max(0L, *id));
        });
        if (unreadable == 1) {
            a.warnings_.push_back("Un renglón de «" + atlasFile +
                                  "» no es un lugar y se pasa por alto.");
        } else if (unreadable > 1) {
            a.warnings_.push_back(std::to_string(unreadable) + " renglones de «" + atlasFile +
                                  "» no son lugares y se pasan por alto.");
        }
    } else {
        std::error_code ec;
        a.warnings_.push_back(std::string(std::filesystem::exists(atlasFile, ec)
                                              ? "No se pudo leer"
                                              : "No se encontró") +
                              " el archivo del atlas «" + atlasFile +
                              "»: el atlas no tiene lugares; solo se buscan los propios.");
    }
    a.atlasRows_ = static_cast<std::uint32_t>(a.rows_.size());
    // The search gives the rows of a tier in the order kept here: the file's, which is the
    // ranking's unless the file was written otherwise.
    auto ranksBefore = [&a](const Row& x, const Row& y) {
        if (x.population != y.population) return x.population > y.population;
        return a.Shown(x) < a.Shown(y);
    };
    if (!std::is_sorted(a.rows_.begin(), a.rows_.end(), ranksBefore))
        std::stable_sort(a.rows_.begin(), a.rows_.end(), ranksBefore);
    a.atlasIndex_ = a.BuildIndex(0, a.atlasRows_);

    if (!chartFolder.empty()) {
        UserPlacesRead own = ReadUserPlaces(chartFolder);
        for (std::string& w : own.warnings) a.warnings_.push_back(std::move(w));
        for (const Place& p : own.places) {
            const std::uint32_t context = a.AddContext(p.region, p.country, {p.region, p.country});
            Row& r = a.rows_[a.AddRow(p.name, {p.name}, a.ZoneIndex(p.zone), context)];
            r.latitudeDeg = p.latitudeDeg;
            r.longitudeDeg = p.longitudeDeg;
            r.userPlace = true;
        }
    }
    a.IndexUserPlaces();
    return a;
}

Atlas::WordIndex Atlas::BuildIndex(std::uint32_t first, std::uint32_t end) const {
    // (word, row) pairs, each word once per row, sorted by word, then grouped. The first 8
    // bytes of the word, big-endian in an integer, settle most comparisons of the sort.
    struct Pair {
        std::uint64_t head;
        std::string_view word;
        std::uint32_t row;
        bool operator<(const Pair& o) const {
            if (head != o.head) return head < o.head;
            if (word != o.word) return word < o.word;
            return row < o.row;
        }
    };
    std::vector<Pair> pairs;
    pairs.reserve((end - first) * 3);
    for (std::uint32_t i = first; i < end; ++i) {
        const std::size_t mine = pairs.size();
        ForEachPart(Folded(rows_[i]), '\n', [&](std::string_view name) {
            ForEachPart(name, ' ', [&](std::string_view w) {
                if (std::any_of(pairs.begin() + static_cast<std::ptrdiff_t>(mine), pairs.end(),
                                [&](const Pair& p) { return p.word == w; }))
                    return;
                std::uint64_t head = 0;
                for (std::size_t k = 0; k < 8; ++k)
                    head = head << 8 | (k < w.size() ? static_cast<unsigned char>(w[k]) : 0u);
                pairs.push_back({head, w, i});
            });
        });
    }
    std::sort(pairs.begin(), pairs.end());
    WordIndex index;
    index.rows.reserve(pairs.size());
    for (const Pair& p : pairs) {
        if (index.words.empty() || index.words.back() != p.word) {
            index.words.emplace_back(p.word);
            index.start.push_back(static_cast<std::uint32_t>(index.rows.size()));
        }
        index.rows.push_back(p.row);
    }
    index.start.push_back(static_cast<std::uint32_t>(index.rows.size()));
    index.words.shrink_to_fit();
    index.start.shrink_to_fit();
    return index;
}

void Atlas::IndexUserPlaces() {
    userIndex_ = BuildIndex(atlasRows_, static_cast<std::uint32_t>(rows_.size()));
}

Place Atlas::PlaceOf(std::uint32_t row) const {
    const Row& r = rows_[row];
    const Context& c = contexts_[r.context];
    Place p;
    p.name.assign(text_, r.shown, r.shownLength);
    p.region = c.region;
    p.country = c.country;
    p.latitudeDeg = r.latitudeDeg;
    p.longitudeDeg = r.longitudeDeg;
    p.zone = zones_[r.zone];
    p.population = r.population;
    p.geonameId = r.geonameId;
    p.userPlace = r.userPlace;
    return p;
}

std::vector<Place> Atlas::Search(std::string_view text, std::size_t limit) const {
    std::vector<std::string> query = SearchWords(text);
    if (query.empty() || limit == 0) return {};
    constexpr std::size_t kMaxWords = 32;
    if (query.size() > kMaxWords) query.resize(kMaxWords);
    const std::uint32_t all =
        query.size() == kMaxWords ? ~0u : (1u << query.size()) - 1;  // one bit per word

    // Which query words begin a word of each row's names, and of each region and country.
    std::vector<std::uint32_t> inName(rows_.size());
    std::vector<std::uint32_t> inContext(contexts_.size());
    for (std::size_t k = 0; k < query.size(); ++k) {
        const std::string& q = query[k];
        const std::uint32_t bit = 1u << k;
        for (const WordIndex* index : {&atlasIndex_, &userIndex_}) {
            for (auto it = std::lower_bound(index->words.begin(), index->words.end(), q);
                 it != index->words.end() && it->compare(0, q.size(), q) == 0; ++it) {
                const std::size_t w = static_cast<std::size_t>(it - index->words.begin());
                for (std::uint32_t p = index->start[w]; p < index->start[w + 1]; ++p)
                    inName[index->rows[p]] |= bit;
            }
        }
        for (std::size_t c = 0; c < contexts_.size(); ++c) {
            for (const std::string& w : contexts_[c].words) {
                if (w.compare(0, q.size(), q) == 0) {
                    inContext[c] |= bit;
                    break;
                }
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
    auto tierOf = [&](std::uint32_t row) {
        const std::string typed = inName[row] == all ? whole : join(inName[row]);
        int tier = 2;
        ForEachPart(Folded(rows_[row]), '\n', [&](std::string_view n) {
            if (n.compare(0, typed.size(), typed) == 0) tier = std::min(tier, n == typed ? 0 : 1);
        });
        return tier;
    };
    // Within a tier: the user's places by name, then the atlas's in their kept order (larger
    // population, then name). Each tier keeps its first `limit` places; the scan stops once
    // the best tier is full.
    std::vector<std::uint32_t> order;
    for (std::uint32_t i = atlasRows_; i < rows_.size(); ++i) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
        return Shown(rows_[x]) != Shown(rows_[y]) ? Shown(rows_[x]) < Shown(rows_[y]) : x < y;
    });
    std::vector<std::uint32_t> tiers[3];
    auto consider = [&](std::uint32_t i) {
        if (inName[i] == 0 || (inName[i] | inContext[rows_[i].context]) != all) return;
        std::vector<std::uint32_t>& t = tiers[tierOf(i)];
        if (t.size() < limit) t.push_back(i);
    };
    for (const std::uint32_t i : order) consider(i);
    for (std::uint32_t i = 0; i < atlasRows_ && tiers[0].size() < limit; ++i) consider(i);

    std::vector<Place> out;
    for (const std::vector<std::uint32_t>& t : tiers) {
        for (std::size_t k = 0; k < t.size() && out.size() < limit; ++k)
            out.push_back(PlaceOf(t[k]));
    }
    return out;
}

std::vector<std::string> Atlas::ZonesNear(double latitudeDeg, double longitudeDeg) const {
    const UnitVector at = OnUnitSphere(latitudeDeg, longitudeDeg);
    // Per zone, the squared straight distance to its nearest place (at most 4: opposite points).
    std::vector<double> nearest(zones_.size(), 5.0);
    for (const Row& r : rows_) {
        const UnitVector p = OnUnitSphere(r.latitudeDeg, r.longitudeDeg);
        const double dx = p.x - at.x, dy = p.y - at.y, dz = p.z - at.z;
        nearest[r.zone] = std::min(nearest[r.zone], dx * dx + dy * dy + dz * dz);
    }
    std::vector<std::size_t> order;
    for (std::size_t z = 0; z < zones_.size(); ++z)
        if (nearest[z] < 5.0) order.push_back(z);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return nearest[a] != nearest[b] ? nearest[a] < nearest[b] : zones_[a] < zones_[b];
    });
    std::vector<std::string> out;
    out.reserve(order.size());
    for (std::size_t z : order) out.push_back(zones_[z]);
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
    const Place& kept = line.places.front();
    const std::string key = UserPlaceKey(kept);
    std::uint32_t replaced = static_cast<std::uint32_t>(rows_.size());
    for (std::uint32_t i = atlasRows_; i < rows_.size(); ++i) {
        if (UserPlaceKey(PlaceOf(i)) == key) {
            replaced = i;
            break;
        }
    }
    const std::uint32_t context =
        AddContext(kept.region, kept.country, {kept.region, kept.country});
    const std::uint32_t row = AddRow(kept.name, {kept.name}, ZoneIndex(kept.zone), context);
    rows_[row].latitudeDeg = kept.latitudeDeg;
    rows_[row].longitudeDeg = kept.longitudeDeg;
    rows_[row].userPlace = true;
    if (replaced < row) {
        rows_[replaced] = rows_[row];
        rows_.pop_back();
    }
    IndexUserPlaces();
    return saved;
}

}  // namespace natalis
