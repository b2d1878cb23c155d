// The atlas: the world's places of 15,000 people or more, with coordinates and time zone,
// and the user's own places, searched by name as the user types.
//
// Data: GeoNames (https://www.geonames.org, CC BY 4.0) as Debian ships it in
// libtimezonemap-data: cities15000.txt (one place a line, tab-separated: id, name, ASCII
// name, other names, latitude, longitude, feature class and code, country code, other
// countries, first-level division code, lower divisions, population, elevations, zone,
// date of change), admin1Codes.txt ("ES.51", name, ASCII name, id) and countryInfo.txt
// (ISO code, ..., name in the fifth field; "#" lines are comments). Spanish names come
// from GeoNames' Spanish catalogue in libgeonames-common, a gettext catalogue read as data
// whose originals are GeoNames ids for places ("2643743" gives "Londres"), division codes
// for regions ("ES.51") and ISO codes for countries ("DE" gives "Alemania").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/Place.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

// Where the atlas's files are.
struct AtlasFiles {
    std::string cities;     // cities15000.txt
    std::string regions;    // admin1Codes.txt
    std::string countries;  // countryInfo.txt
    std::string spanish;    // geonames.mo, the Spanish catalogue
};

// The files of the Debian packages.
AtlasFiles SystemAtlasFiles();

class Atlas {
  public:
    // Given:    files        the atlas's files
    //           chartFolder  the folder of the user's places file (lugares.txt); "" for none
    // Returned: the atlas with its search index. Never fails: each file that is missing or
    //           unreadable leaves a Spanish message in Warnings() naming it and what is
    //           lost (no atlas places, no regions, country codes for names, names untranslated),
    //           and the rest is used.
    static Atlas Load(const AtlasFiles& files, const std::string& chartFolder);

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

    // Checks the place, writes it into the user's places file (replacing a place of the same
    // name, region and country) and makes it searchable at once. On failure nothing changes
    // and the message says why; without a chart folder nothing can be kept.
    FileWriteResult AddUserPlace(const Place& place);

    // Messages about the files, in the order met: missing files, lines of the user's places
    // file that are not places.
    const std::vector<std::string>& Warnings() const { return warnings_; }

    std::size_t PlaceCount() const { return places_.size(); }

  private:
    void BuildIndex();

    std::vector<Place> places_;
    std::vector<std::vector<std::string>> names_;  // per place: its folded names
    // The index: every folded word of names, regions and countries, sorted, each with the
    // places it belongs to. A posting is place * 2, plus 1 when the word is of the name.
    std::vector<std::string> words_;
    std::vector<std::uint32_t> postingStart_;  // words_.size() + 1 offsets into postings_
    std::vector<std::uint32_t> postings_;
    // Folded region and country words per place, kept to rebuild the index.
    std::vector<std::vector<std::string>> context_;
    std::vector<std::string> warnings_;
    std::string chartFolder_;
};

}  // namespace natalis
