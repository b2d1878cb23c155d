// The user's own places: a text file in the chart folder, searched with the atlas.
//
// File "lugares.txt", UTF-8, one place a line, six fields separated by tabs:
//
//     name <TAB> region <TAB> country <TAB> latitude <TAB> longitude <TAB> zone
//
// latitude and longitude in decimal degrees, north and east positive ("-34.603700"), with a
// point or a comma for the decimals; zone an IANA time-zone name ("America/Argentina/
// Buenos_Aires"); region and country may be empty. Lines that begin with "#" and empty
// lines are not places; fields after the sixth are ignored. A line that is not valid UTF-8
// is read as Windows-1252, the code page of the chart files. Lines may end in LF or CR LF.
// Adding a place keeps every other line of the file as it was, comments and lines that
// could not be read included.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/model/Place.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

constexpr const char* kUserPlacesFileName = "lugares.txt";

struct UserPlacesRead {
    std::vector<Place> places;          // in file order, userPlace set
    std::vector<std::string> warnings;  // Spanish, one per line that is not a place
};

// Given:    bytes     the file's content; fileLabel  how messages name the file
// Returned: the places and a warning for each line that is neither a place, nor a comment,
//           nor empty, and for each place whose zone the tz database does not know (left
//           out, as no offset could be computed for it).
UserPlacesRead ParseUserPlaces(std::string_view bytes, const std::string& fileLabel);

// The places of folder/lugares.txt; a missing file is no place and no warning.
UserPlacesRead ReadUserPlaces(const std::string& folder);

// The first fault of a place the user wants to keep, as a Spanish message, or "": a name,
// no tab or line break in any field, latitude -90 .. 90, longitude -180 .. 180, a zone the
// tz database knows.
std::string CheckUserPlace(const Place& place);

// Name, region and country folded as the search folds them: two places with the same key
// are the same place.
std::string UserPlaceKey(const Place& place);

// The file's line for a place (no line end), coordinates with six decimals.
std::string UserPlaceLine(const Place& place);

// The new content of the file with the place added: it replaces the first place line of
// the same name, region and country (compared as the search compares them), or goes at the
// end. An empty file gets the explanatory header first.
std::string WithUserPlace(std::string_view bytes, const Place& place);

// Checks the place and writes folder/lugares.txt with it, safely (the old file stays as it
// was on any failure). The message says what was wrong.
FileWriteResult SaveUserPlace(const std::string& folder, const Place& place);

}  // namespace natalis
