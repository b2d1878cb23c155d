// The atlas: the world's places of 500 people or more, with coordinates and time zone, and
// the user's own places, searched by name as the user types.
//
// Data: the program's own file atlas.tsv (data/ in the sources, beside the program or in its
// installed data folder), made by scripts/atlas.py from GeoNames' files (https://www.geonames.org,
// CC BY 4.0); its header says what each line holds. Places come largest first.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/Place.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

constexpr const char* kAtlasFileName = "atlas.tsv";

// The atlas file of the program's data folder.
std::string SystemAtlasFile();

// "No se encontró «text» en el atlas: ..." with what the user can do instead.
std::string LugarNoEncontrado(std::string_view text);

class Atlas {
  public:
    // Given:    atlasFile    the atlas file
    //           chartFolder  the folder of the user's places file (lugares.txt); "" for none
    // Returned: the atlas with its search index. Never fails: a missing or unreadable file
    //           leaves a Spanish message in Warnings() naming it (only the user's places are
    //           searched then), and so does each line that is not a record.
    static Atlas Load(const std::string& atlasFile, const std::string& chartFolder);

    // Given:    text   what the user typed: words, in any case, with or without accents
    //           limit  the most places wanted
    // Returned: the matching places, best first. A place matches when every word typed is
    //           the beginning of a word of its name (Spanish, GeoNames' or ASCII), of its
    //           region or of its country, at least one of them of its name ("cord" finds
    //           Córdoba; "cordoba esp" only the Spanish one). Order: the name equal to the
    //           text, then the name beginning with it, then the rest; within each, the
    //           user's places first, then the larger population, then the name.
    // Notes:    Blank text finds nothing. Words past the 32nd are ignored.
    std::vector<Place> Search(std::string_view text, std::size_t limit = 20) const;

    // The time zones of the atlas's places, the zone of the place nearest to the point first,
    // then each zone in the order of its nearest place. Latitude and longitude in degrees,
    // north and east positive.
    std::vector<std::string> ZonesNear(double latitudeDeg, double longitudeDeg) const;

    // Checks the place, writes it into the user's places file (replacing a place of the same
    // name, region and country) and makes it searchable at once. On failure nothing changes
    // and the message says why; without a chart folder nothing can be kept.
    FileWriteResult AddUserPlace(const Place& place);

    // Messages about the files, in the order met: a missing atlas file, lines that are not
    // records, lines of the user's places file that are not places.
    const std::vector<std::string>& Warnings() const { return warnings_; }

    std::size_t PlaceCount() const { return rows_.size(); }

  private:
    // A place, its strings kept in the pools below.
    struct Row {
        std::uint32_t shown = 0;   // offset of the name shown in text_
        std::uint32_t folded = 0;  // offset of its folded names in folded_, '\n' between
        std::uint16_t shownLength = 0;
        std::uint16_t foldedLength = 0;
        std::uint16_t zone = 0;     // index into zones_
        std::uint32_t context = 0;  // index into contexts_
        std::uint32_t geonameId = 0;
        std::uint32_t population = 0;
        double latitudeDeg = 0;
        double longitudeDeg = 0;
        bool userPlace = false;
    };
    // A region and country as shown, with the folded words they are searched by.
    struct Context {
        std::string region, country;
        std::vector<std::string> words;
    };
    // Every folded word of the names of some rows, sorted, with the rows it belongs to.
    struct WordIndex {
        std::vector<std::string> words;
        std::vector<std::uint32_t> start;  // words.size() + 1 offsets into rows
        std::vector<std::uint32_t> rows;
    };

    std::uint32_t AddRow(std::string_view shown, std::initializer_list<std::string_view> names,
                         std::uint16_t zone, std::uint32_t context);
    // The index of a zone in zones_, added when new.
    std::uint16_t ZoneIndex(std::string_view zone);
    std::uint32_t AddContext(const std::string& region, const std::string& country,
                             std::initializer_list<std::string_view> searched);
    WordIndex BuildIndex(std::uint32_t first, std::uint32_t end) const;
    void IndexUserPlaces();
    Place PlaceOf(std::uint32_t row) const;
    std::string_view Shown(const Row& r) const { return {text_.data() + r.shown, r.shownLength}; }
    std::string_view Folded(const Row& r) const {
        return {folded_.data() + r.folded, r.foldedLength};
    }

    std::vector<Row> rows_;  // the atlas's places, then the user's
    std::uint32_t atlasRows_ = 0;
    std::string text_, folded_;
    std::vector<std::string> zones_;
    std::vector<Context> contexts_;
    WordIndex atlasIndex_, userIndex_;
    std::vector<std::string> warnings_;
    std::string chartFolder_;
};

}  // namespace natalis
