// The user's own places file: reading, checking, adding and the round trip.
#include <gtest/gtest.h>

#include <string>

#include "app/model/UserPlaces.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

Place VillaGesell() {
    Place p;
    p.name = "Villa Gesell";
    p.region = "Buenos Aires";
    p.country = "Argentina";
    p.latitudeDeg = -(37 + 15 / 60.0);   // 37° 15' S
    p.longitudeDeg = -(56 + 58 / 60.0);  // 56° 58' W
    p.zone = "America/Argentina/Buenos_Aires";
    return p;
}

TEST(UserPlaces, RoundTripThroughTheFile) {
    TempFolder folder;
    Place gesell = VillaGesell();
    Place vigo;
    vigo.name = "Teis";
    vigo.region = "";
    vigo.country = "España";
    vigo.latitudeDeg = 42.25;
    vigo.longitudeDeg = -8.6833333;
    vigo.zone = "Europe/Madrid";
    ASSERT_TRUE(SaveUserPlace(folder.path(), gesell).ok);
    ASSERT_TRUE(SaveUserPlace(folder.path(), vigo).ok);

    const UserPlacesRead r = ReadUserPlaces(folder.path());
    EXPECT_TRUE(r.warnings.empty());
    ASSERT_EQ(r.places.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const Place& want = k == 0 ? gesell : vigo;
        const Place& got = r.places[k];
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.region, want.region);
        EXPECT_EQ(got.country, want.country);
        EXPECT_NEAR(got.latitudeDeg, want.latitudeDeg, 5e-7);  // six decimals kept
        EXPECT_NEAR(got.longitudeDeg, want.longitudeDeg, 5e-7);
        EXPECT_EQ(got.zone, want.zone);
        EXPECT_TRUE(got.userPlace);
        EXPECT_EQ(got.population, 0);
    }
    // The file: the explanatory header, then one line per place, tab-separated, LF ends.
    const std::string bytes = ReadBytes(folder / kUserPlacesFileName);
    EXPECT_EQ(bytes.rfind("# Lugares propios de Natalis", 0), 0u);
    EXPECT_NE(bytes.find("\nVilla Gesell\tBuenos Aires\tArgentina\t-37.250000\t-56.966667\t"
                         "America/Argentina/Buenos_Aires\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\nTeis\t\tEspaña\t42.250000\t-8.683333\tEurope/Madrid\n"),
              std::string::npos);
}

TEST(UserPlaces, AddingTheSamePlaceAgainReplacesItsLineAndKeepsTheRest) {
    TempFolder folder;
    const std::string before =
        "# mis lugares\r\n"
        "roto sin tabuladores\r\n"
        "Villa Gesell\tBuenos Aires\tArgentina\t-37\t-57\tAmerica/Argentina/Buenos_Aires\r\n"
        "\r\n"
        "Otro\t\t\t10\t10\tAfrica/Lagos\tcampo de más\r\n";
    WriteBytes(folder / kUserPlacesFileName, before);
    Place moved = VillaGesell();
    moved.name = "VILLA GESELL";  // the same place as the search compares names
    ASSERT_TRUE(SaveUserPlace(folder.path(), moved).ok);
    const std::string replaced =
        "# mis lugares\r\n"
        "roto sin tabuladores\r\n"
        "VILLA GESELL\tBuenos Aires\tArgentina\t-37.250000\t-56.966667\t"
        "America/Argentina/Buenos_Aires\r\n"
        "\r\n"
        "Otro\t\t\t10\t10\tAfrica/Lagos\tcampo de más\r\n";
    EXPECT_EQ(ReadBytes(folder / kUserPlacesFileName), replaced);

    // A new place goes at the end, with the file's own line ends.
    Place lagos;
    lagos.name = "Ikeja";
    lagos.latitudeDeg = 6.6;
    lagos.longitudeDeg = 3.35;
    lagos.zone = "Africa/Lagos";
    ASSERT_TRUE(SaveUserPlace(folder.path(), lagos).ok);
    EXPECT_EQ(ReadBytes(folder / kUserPlacesFileName),
              replaced + "Ikeja\t\t\t6.600000\t3.350000\tAfrica/Lagos\r\n");
}

TEST(UserPlaces, AppendsAfterALastLineWithoutLineEnd) {
    EXPECT_EQ(WithUserPlace("# a\nX\t\t\t1\t2\tUTC", VillaGesell()),
              "# a\nX\t\t\t1\t2\tUTC\nVilla Gesell\tBuenos Aires\tArgentina\t-37.250000\t"
              "-56.966667\tAmerica/Argentina/Buenos_Aires\n");
}

TEST(ParseUserPlaces, ReportsLinesThatAreNotPlaces) {
    const std::string bytes =
        "\xEF\xBB\xBF# comentario\n"
        "\n"
        "   \n"
        "Bien\tR\tP\t+10,5\t-20.25\tEurope/Madrid\n"
        "Corto\tR\tP\t10\n"
        "Norte\tR\tP\t91\t0\tEurope/Madrid\n"
        "Este\tR\tP\t0\t180.5\tEurope/Madrid\n"
        "Letras\tR\tP\tdiez\t0\tEurope/Madrid\n"
        "Zona\tR\tP\t0\t0\tEurope/Atlantida\n"
        "\tR\tP\t0\t0\tEurope/Madrid\n";
    const UserPlacesRead r = ParseUserPlaces(bytes, "lugares.txt");
    ASSERT_EQ(r.places.size(), 1u);
    EXPECT_EQ(r.places[0].name, "Bien");
    EXPECT_DOUBLE_EQ(r.places[0].latitudeDeg, 10.5);  // a comma for the decimals, a plus sign
    EXPECT_DOUBLE_EQ(r.places[0].longitudeDeg, -20.25);
    ASSERT_EQ(r.warnings.size(), 6u);
    EXPECT_EQ(r.warnings[0],
              "El renglón 5 de «lugares.txt» no es un lugar: hacen falta seis campos separados "
              "por tabuladores (nombre, región, país, latitud, longitud y zona); no se usa como "
              "lugar.");
    EXPECT_EQ(r.warnings[1],
              "El renglón 6 de «lugares.txt» tiene una latitud «91» que no es un número de -90 a "
              "90; no se usa como lugar.");
    EXPECT_NE(r.warnings[2].find("renglón 7"), std::string::npos);
    EXPECT_NE(r.warnings[3].find("renglón 8"), std::string::npos);
    EXPECT_EQ(r.warnings[4],
              "El renglón 9 de «lugares.txt» nombra la zona «Europe/Atlantida», que no está en la "
              "base de datos de husos horarios; no se usa como lugar.");
    EXPECT_EQ(r.warnings[5],
              "El renglón 10 de «lugares.txt» no tiene nombre; no se usa como lugar.");
}

TEST(ParseUserPlaces, ReadsALineInTheChartFilesCodePage) {
    // "Córdoba" written by an editor in Windows-1252: ó is the single byte 0xF3.
    const UserPlacesRead r = ParseUserPlaces(
        "C\xF3rdoba\t\tEspa\xF1"
        "a\t37.88\t-4.77\tEurope/Madrid\n",
        "x");
    ASSERT_EQ(r.places.size(), 1u);
    EXPECT_EQ(r.places[0].name, "Córdoba");
    EXPECT_EQ(r.places[0].country, "España");
}

TEST(CheckUserPlace, SaysWhatIsWrongBeforeAnythingIsWritten) {
    TempFolder folder;
    struct Case {
        void (*spoil)(Place&);
        const char* message;
    } cases[] = {
        {[](Place& p) { p.name = "  "; }, "Falta el nombre del lugar."},
        {[](Place& p) { p.region = "a\tb"; },
         "El nombre, la región, el país y la zona del lugar no pueden llevar tabuladores ni "
         "saltos de renglón."},
        {[](Place& p) { p.country = "a\nb"; },
         "El nombre, la región, el país y la zona del lugar no pueden llevar tabuladores ni "
         "saltos de renglón."},
        {[](Place& p) { p.latitudeDeg = -90.5; },
         "La latitud del lugar debe estar entre -90 y 90 grados."},
        {[](Place& p) { p.longitudeDeg = 200; },
         "La longitud del lugar debe estar entre -180 y 180 grados."},
        {[](Place& p) { p.zone = "Marte/Olimpo"; },
         "La zona «Marte/Olimpo» no está en la base de datos de husos horarios."},
    };
    for (const Case& c : cases) {
        Place p = VillaGesell();
        c.spoil(p);
        EXPECT_EQ(CheckUserPlace(p), c.message);
        const FileWriteResult w = SaveUserPlace(folder.path(), p);
        EXPECT_FALSE(w.ok);
        EXPECT_EQ(w.message, c.message);
        EXPECT_FALSE(Exists(folder / kUserPlacesFileName));
    }
    EXPECT_EQ(CheckUserPlace(VillaGesell()), "");
}

TEST(UserPlaces, AMissingFileIsNoPlaceAndNoWarning) {
    TempFolder folder;
    const UserPlacesRead r = ReadUserPlaces(folder.path());
    EXPECT_TRUE(r.places.empty());
    EXPECT_TRUE(r.warnings.empty());
}

TEST(UserPlaces, AFailedWriteSaysSoAndChangesNothing) {
    // A folder where the file should be: it can be neither read nor replaced.
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / kUserPlacesFileName).c_str(), 0700), 0);
    const FileWriteResult w = SaveUserPlace(folder.path(), VillaGesell());
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.message.find("lugares.txt"), std::string::npos);
    EXPECT_NE(w.message.find("No se ha guardado el lugar."), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder / kUserPlacesFileName));
    const UserPlacesRead r = ReadUserPlaces(folder.path());
    EXPECT_TRUE(r.places.empty());
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("No se cargaron los lugares propios."), std::string::npos);
}

// A control character in a place would reach the terminal of --lugar or the window as it is
// (ESC starts a terminal command); an exponent is no way to write degrees.
TEST(ParseUserPlaces, ControlCharactersAndExponentsAreRefused) {
    struct Row {
        std::string line;
        const char* why;
    };
    const Row rows[] = {
        {"Villa\x1B[2JGesell\t\tArgentina\t-37.26\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "lleva caracteres de control"},
        {"Villa Gesell\tBuenos\x07 Aires\tArgentina\t-37.26\t-56.97\tAmerica/Argentina/"
         "Buenos_Aires",
         "lleva caracteres de control"},
        {"Villa Gesell\t\tArgentina\x7F\t-37.26\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "lleva caracteres de control"},
        // U+009B, the one-character form of ESC [, in UTF-8.
        {"Villa \xC2\x9B"
         "2J\t\tArgentina\t-37.26\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "lleva caracteres de control"},
        {"Villa Gesell\t\tArgentina\t-3726e-2\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "tiene una latitud «-3726e-2» que no es un número de -90 a 90"},
        {"Villa Gesell\t\tArgentina\t-37.26\t1e2\tAmerica/Argentina/Buenos_Aires",
         "tiene una longitud «1e2» que no es un número de -180 a 180"},
        {"Villa Gesell\t\tArgentina\t-37.26\t-5E1\tAmerica/Argentina/Buenos_Aires",
         "tiene una longitud «-5E1» que no es un número de -180 a 180"},
        {"Villa Gesell\t\tArgentina\tinf\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "tiene una latitud «inf» que no es un número de -90 a 90"},
        {"Villa Gesell\t\tArgentina\t0x10\t-56.97\tAmerica/Argentina/Buenos_Aires",
         "tiene una latitud «0x10» que no es un número de -90 a 90"},
    };
    for (const Row& row : rows) {
        const UserPlacesRead r = ParseUserPlaces(row.line + "\n", "lugares.txt");
        EXPECT_TRUE(r.places.empty()) << row.line;
        ASSERT_EQ(r.warnings.size(), 1u) << row.line;
        EXPECT_EQ(r.warnings[0], std::string("El renglón 1 de «lugares.txt» ") + row.why +
                                     "; no se usa como lugar.");
    }
    // The same place written plainly is read, with a comma as well as a point.
    const UserPlacesRead good = ParseUserPlaces(
        "Villa Gesell\t\tArgentina\t-37,26\t+56.97\tAmerica/Argentina/Buenos_Aires\n", "x");
    ASSERT_EQ(good.places.size(), 1u);
    EXPECT_DOUBLE_EQ(good.places[0].latitudeDeg, -37.26);
    EXPECT_DOUBLE_EQ(good.places[0].longitudeDeg, 56.97);
}

TEST(CheckUserPlace, ControlCharactersAreRefusedBeforeAnythingIsWritten) {
    TempFolder folder;
    for (const std::string& bad :
         {std::string("Villa\x1B[31m"), std::string("Villa\x01"), std::string("Villa \xC2\x85")}) {
        Place p = VillaGesell();
        p.name = bad;
        EXPECT_EQ(CheckUserPlace(p),
                  "El nombre, la región, el país y la zona del lugar no pueden llevar "
                  "caracteres de control.");
        EXPECT_FALSE(SaveUserPlace(folder.path(), p).ok);
        EXPECT_FALSE(Exists(folder / kUserPlacesFileName));
    }
}

}  // namespace
}  // namespace natalis
