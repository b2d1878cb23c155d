#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Headless.h"
#include "app/cli/JsonText.h"
#include "chart/Aspects.h"
#include "chart/ListadoNatal.h"
#include "tests/app/TempFolder.h"
#include "tests/app/cli/HeadlessRun.h"

namespace natalis {
namespace {

// A chart file's bytes (Windows-1252, CR LF) with the given data lines.
std::string ChartBytes(const std::string& name, const std::string& lat,
                       const std::string& lon = "000.00E") {
    const std::vector<std::string> lines = {
        " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre",
        " ",
        "_____________________________________________ Inicio datos natales",
        "",
        "1: " + name,
        "2: 1",
        "3; 1",
        "4: 2000",
        "5: 12.0000",
        "6: 00.00",
        "7: " + lat,
        "8: " + lon,
        "9: Greenwich",
        "_____________________________________________ Fin datos natales"};
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

class HeadlessNatal : public testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(dir / "Prueba.dat", ChartBytes("Prueba", "40.00N"));
        WriteBytes(dir / "Polar.dat", ChartBytes("Polar", "70.00N"));
    }
    TempFolder dir;
};

TEST_F(HeadlessNatal, ListingIsTheNatalListingThenTheAspectsList) {
    const Outcome r = Invoke(HeadlessListing, {"--listing", dir / "Prueba.dat"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_GT(lines.size(), 37u);
    EXPECT_EQ(lines[0], "LISTADO NATAL");
    EXPECT_EQ(lines[1], "");
    // Apparent Sun at 2000 January 1, 12 h: 280.37, 10 Capricorn 22 (annual almanac).
    EXPECT_EQ(lines[2], "SOL 10Cap22");
    EXPECT_EQ(lines[13].substr(0, 3), "PF ");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15].substr(0, 4), "ASC ");
    EXPECT_EQ(lines[24].substr(0, 3), "MC ");
    EXPECT_EQ(lines[26].substr(0, 4), "C12 ");
    // The aspects list follows the last cusp directly: rule, gap, MC, ASC ...
    EXPECT_EQ(lines[27], "————————————");
    EXPECT_EQ(lines[29], "  " + lines[24]);
    EXPECT_EQ(lines[30], "  " + lines[15]);
    EXPECT_EQ(lines[34], "ASPECTOS NATALES");
    EXPECT_EQ(lines[36], "SOL 10Cap22");
    EXPECT_EQ(lines.back(), "   ");
}

TEST_F(HeadlessNatal, HouseOptionChangesTheCuspsButNotTheAngles) {
    const Outcome p = Invoke(HeadlessListing, {"--listing", dir / "Prueba.dat"});
    const Outcome k = Invoke(HeadlessListing, {"--listing", dir / "Prueba.dat", "--houses", "K"});
    const Outcome r = Invoke(HeadlessListing, {"--listing", dir / "Prueba.dat", "--houses", "r"});
    ASSERT_EQ(k.code, 0);
    ASSERT_EQ(r.code, 0);
    const auto lp = Lines(p.out), lk = Lines(k.out), lr = Lines(r.out);
    EXPECT_EQ(lk[15], lp[15]);  // Ascendant
    EXPECT_EQ(lr[15], lp[15]);
    EXPECT_NE(lk[25], lp[25]);  // C11
    EXPECT_NE(lr[25], lp[25]);
}

TEST_F(HeadlessNatal, PorphyryFallbackIsAnnouncedAndNamed) {
    const Outcome r = Invoke(HeadlessListing, {"--listing", dir / "Polar.dat"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err,
              "Aviso: Plácido no tiene sentido a esta latitud; se usan casas de Porfirio.\n");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_GT(lines.size(), 28u);
    EXPECT_EQ(lines[26].substr(0, 4), "C12 ");
    EXPECT_EQ(lines[27], kLineaCasasPorfirio);
    EXPECT_EQ(lines[28], "————————————");

    const Outcome koch = Invoke(HeadlessJson, {"--json", dir / "Polar.dat", "--houses", "K"});
    EXPECT_EQ(koch.code, 0);
    EXPECT_EQ(koch.err,
              "Aviso: Koch no tiene sentido a esta latitud; se usan casas de Porfirio.\n");
    EXPECT_NE(koch.out.find("\"houseSystem\": \"O\""), std::string::npos);
    // The fallback is a note of the JSON too.
    EXPECT_NE(koch.out.find("\"notes\": [\"Casas: Koch no tiene sentido a esta latitud; se usan"
                            " casas de Porfirio.\"]"),
              std::string::npos)
        << koch.out;
}

TEST_F(HeadlessNatal, JsonHoldsTheTablesInFullPrecision) {
    WriteBytes(dir / "Comillas.dat", ChartBytes("Ana \"la\" P\xe9rez", "40.00N"));
    const Outcome r = Invoke(HeadlessJson, {"--json", dir / "Comillas.dat"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const std::string& j = r.out;
    // The name, read from Windows-1252, escaped and in UTF-8.
    EXPECT_NE(j.find("\"name\": \"Ana \\\"la\\\" Pérez\""), std::string::npos) << j;
    EXPECT_NE(j.find("\"jd\": 2451545,"), std::string::npos);
    EXPECT_NE(j.find("\"houseSystem\": \"P\""), std::string::npos);
    EXPECT_NE(j.find("\"ephemeris\": \"files\""), std::string::npos);
    EXPECT_NE(j.find("{\"label\": \"SOL\", \"lon\": 280.36"), std::string::npos) << j;
    EXPECT_NE(j.find("\"texto\": \"SOL 10Cap22\""), std::string::npos);
    EXPECT_NE(j.find("{\"label\": \"PF\", "), std::string::npos);
    EXPECT_NE(j.find("\"texto\": \"ARMC 280.4608"), std::string::npos);
    // Hand computation: T = 1 century from 1900 January 0.5 gives ARMC 280.46087 (stored as
    // the single 280.46087646484375, printed whole).
    EXPECT_NE(j.find("\"armc\": 280.46087646484375,"), std::string::npos) << j;

    auto count = [&](const std::string& s) {
        size_t n = 0;
        for (size_t p = j.find(s); p != std::string::npos; p = j.find(s, p + 1)) ++n;
        return n;
    };
    // Twelve points, then the two angles' speeds at the end.
    EXPECT_EQ(count("\"label\": "), 12u + 2u);
    EXPECT_NE(j.find("\"angles\": [{\"label\": \"ASC\""), std::string::npos) << j;
    EXPECT_EQ(count("\"posGrafica\": "), 12u);
    EXPECT_EQ(count("\"texto\": "), 12u + 13u);
    // Each unordered pair once: never in both directions.
    const char* labels[] = {"SOL", "LUN", "MER", "VEN", "MAR", "JUP", "SAT", "URA", "NEP", "PLU"};
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < a; ++b) {
            EXPECT_EQ(
                count(std::string("{\"from\": \"") + labels[a] + "\", \"to\": \"" + labels[b]), 0u)
                << labels[a] << " " << labels[b];
        }
    }
    // The same aspects as the list, where each pair of planets stands twice.
    const Outcome listing = Invoke(HeadlessListing, {"--listing", dir / "Comillas.dat"});
    const std::vector<std::string> lines = Lines(listing.out);
    size_t listed = 0;
    for (size_t i = 35; i < lines.size(); ++i)
        listed += lines[i].size() > 3 && lines[i].rfind("  ", 0) == 0;
    const size_t withAngles = count("\"to\": \"MC\"") + count("\"to\": \"ASC\"");
    const size_t total = count("\"aspect\": ");
    EXPECT_GT(total, withAngles);
    EXPECT_EQ(listed, 2 * (total - withAngles) + withAngles);
    EXPECT_EQ(j.front(), '{');
    EXPECT_EQ(j.substr(j.size() - 2), "}\n");
    EXPECT_EQ(j.find('\n'), j.size() - 1);  // one line
}

// Where a JSON text's outermost value ends: the index just past the brace or bracket that
// closes what its first character opens (strings and their escapes skipped), or npos.
size_t EndOfJsonValue(const std::string& text) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            return i + 1;
        }
    }
    return std::string::npos;
}

// JSON Lines: each chart one whole object on a line of its own, in the order of the files.
TEST_F(HeadlessNatal, JsonIsOneObjectALinePerChart) {
    WriteBytes(dir / "Llaves.dat", ChartBytes("Ana {la} [P] \"x\"", "10.00S"));
    const Outcome r = Invoke(HeadlessJson, {"--json", dir / "Prueba.dat", dir / "Llaves.dat",
                                            dir / "Prueba.dat", "--houses", "R"});
    EXPECT_EQ(r.code, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(r.out.back(), '\n');
    const char* names[] = {"Prueba", "Ana {la} [P] \\\"x\\\"", "Prueba"};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::string("{\"name\": \"") + names[i] + "\"", 0), 0u)
            << lines[i];
        EXPECT_EQ(EndOfJsonValue(lines[i]), lines[i].size()) << lines[i];
        EXPECT_NE(lines[i].find("\"houseSystem\": \"R\""), std::string::npos);
    }
    EXPECT_EQ(lines[0], lines[2]);
}

// Several files give, on each stream, what each file gives alone, in the order of the files,
// whatever their birth dates and across more files than the program reads at once; a refused
// file only makes the exit code 2.
TEST_F(HeadlessNatal, SeveralFilesComeOutInTheirOwnOrderWhateverTheirDates) {
    WriteBytes(dir / "Mala.dat", "5: 12\r\n");
    const std::string muestras = std::string(NATALIS_SOURCE_DIR) + "/charts/";
    // Births from 1900s to 2000s in no order, the polar one with its warning, a bad file.
    const std::vector<std::string> ronda = {
        muestras + "Tomas_Ibanez_de_Ulloa.dat", dir / "Polar.dat",
        muestras + "Kiri_Te_Rangi.dat",         dir / "Mala.dat",
        muestras + "Ana_Lucia_Ferreyra.dat",    dir / "Prueba.dat",
        muestras + "Hiroshi_Tanaka.dat"};
    for (auto command : {HeadlessJson, HeadlessListing}) {
        std::vector<Outcome> solos;
        for (const std::string& f : ronda)
            solos.push_back(Invoke(command, {"--x", f, "--houses", "K"}));
        std::vector<std::string> args = {"--x"};
        std::string out, err;
        for (size_t i = 0; i < 1003; ++i) {
            args.push_back(ronda[i % ronda.size()]);
            out += solos[i % ronda.size()].out;
            err += solos[i % ronda.size()].err;
        }
        args.insert(args.end(), {"--houses", "K"});
        const Outcome r = Invoke(command, args);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out == out) << "la salida no es la de cada archivo en su orden";
        EXPECT_EQ(r.err, err);
        EXPECT_FALSE(solos[1].err.empty());  // the polar chart's warning is among them
    }
}

TEST_F(HeadlessNatal, RejectedFileGivesTheReadersMessageAndNothingOnOutput) {
    for (auto command : {HeadlessListing, HeadlessJson}) {
        const Outcome r = Invoke(command, {"--x", dir / "NoExiste.dat"});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        // The reader's message, then why.
        EXPECT_EQ(r.err,
                  "Hay error en los datos de NoExiste.dat\n"
                  "Utilice el block de notas para corregir los datos natales, \n"
                  "o borre el archivo con el explorador de Windows.  \n"
                  "El archivo no existe.\n");
    }
    WriteBytes(dir / "Mala.dat", "5: 12\r\n");  // a time line without its point
    const Outcome r = Invoke(HeadlessJson, {"--json", dir / "Mala.dat"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Hay error en los datos de Mala.dat\n"
              "Utilice el block de notas para corregir los datos natales, \n"
              "o borre el archivo con el explorador de Windows.  \n"
              "Renglón 1: la hora debe escribirse con dos cifras antes del punto, como en "
              "5: 09.0730.\n");
}

// A chart whose data the program cannot use is refused with the line and the reason, not
// drawn from a sky the ephemeris never gave (year 5401 put every body at 0 Aries).
TEST_F(HeadlessNatal, ChartDataOutsideTheProgramsRangesIsRefusedWithLineAndReason) {
    struct Row {
        const char* line;  // replaces a data line of Prueba.dat
        const char* field;
        const char* said;
    };
    const Row rows[] = {
        {"4: 5401", "4: 2000",
         "Renglón 8: el año 5401 está fuera del rango del programa, de -3000 a 3000."},
        {"5: 99.9999", "5: 12.0000",
         "Renglón 9: la hora 99 no es correcta: las horas son de 0 a 23."},
        {"7: 99.99N", "7: 40.00N",
         "Renglón 11: la latitud de 99 grados no es correcta: es de 0 a 89."},
        {"3; 13", "3; 1", "Renglón 7: el mes 13 no es correcto: los meses son de 1 a 12."},
    };
    for (const Row& row : rows) {
        std::string bytes = ChartBytes("Prueba", "40.00N");
        bytes.replace(bytes.find(row.field), std::string(row.field).size(), row.line);
        WriteBytes(dir / "Fuera.dat", bytes);
        for (auto command : {HeadlessListing, HeadlessJson}) {
            const Outcome r = Invoke(command, {"--x", dir / "Fuera.dat"});
            EXPECT_EQ(r.code, 2) << row.line;
            EXPECT_EQ(r.out, "") << row.line;
            EXPECT_EQ(r.err,
                      "Hay error en los datos de Fuera.dat\n"
                      "Utilice el block de notas para corregir los datos natales, \n"
                      "o borre el archivo con el explorador de Windows.  \n" +
                          std::string(row.said) + "\n")
                << row.line;
        }
    }
}

TEST_F(HeadlessNatal, MissingOrWrongOptionGivesTheUsage) {
    const Args wrong[] = {
        {"--listing"},
        {"--listing", "--houses", "P"},
        {"--listing", dir / "Prueba.dat", "--houses"},
        {"--listing", dir / "Prueba.dat", "--casas", "P"},
        {"--listing", dir / "Prueba.dat", "--houses", "P", "extra"},
    };
    for (const Args& args : wrong) {
        for (auto command : {HeadlessListing, HeadlessJson}) {
            const Outcome r = Invoke(command, args);
            EXPECT_EQ(r.code, 2) << args.size();
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, UsageText());
        }
    }
    // A value out of its range is named, with the usage after it.
    for (const char* value : {"Z", "PK", ""}) {
        for (auto command : {HeadlessListing, HeadlessJson}) {
            const Outcome r = Invoke(command, {"--listing", dir / "Prueba.dat", "--houses", value});
            EXPECT_EQ(r.code, 2) << value;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "Valor no válido para --houses: «" + std::string(value) + "»\n" +
                                 UsageText());
        }
    }
    const std::string usage = UsageText();
    EXPECT_EQ(usage.rfind("Uso:\n", 0), 0u);
    EXPECT_NE(usage.find("--listing ARCHIVO.dat [OPCIONES DE CARTA]"), std::string::npos);
    EXPECT_NE(usage.find("--json ARCHIVO.dat [OPCIONES DE CARTA]"), std::string::npos);
    EXPECT_NE(
        usage.find("Opciones de carta: --houses LETRA, --puntos LISTA|todos, --zodiaco"
                   " tropical|sideral, --ayanamsa NOMBRE, --orbes clasicos|amplios|predictivos,"
                   " --estrellas LISTA|behenias."),
        std::string::npos);
}

TEST(HeadlessNatalSamples, EverySampleChartListsAndHasAnAspectsBlock) {
    for (const char* name : {"Ana_Lucia_Ferreyra.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat",
                             "Maria_Jose_Perez.dat", "Tomas_Ibanez_de_Ulloa.dat"}) {
        const Outcome r = Invoke(
            HeadlessListing, {"--listing", std::string(NATALIS_SOURCE_DIR) + "/charts/" + name});
        EXPECT_EQ(r.code, 0) << name << r.err;
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_GT(lines.size(), 36u) << name;
        EXPECT_EQ(lines[0], "LISTADO NATAL") << name;
        EXPECT_EQ(lines[34], "ASPECTOS NATALES") << name;
    }
}

struct JsonStringCase {
    std::string in, out;
};

TEST(JsonText, StringsAreEscaped) {
    const JsonStringCase cases[] = {
        {"SOL 10Cap22", "\"SOL 10Cap22\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\b", "\"a\\\\b\""},
        {"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
        {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"Plácido ñ", "\"Plácido ñ\""},
        {"", "\"\""},
    };
    for (const JsonStringCase& c : cases) EXPECT_EQ(JsonString(c.in), c.out) << c.in;
}

TEST(JsonText, NumbersRoundTripWithAPoint) {
    const double values[] = {0.1, 280.46087646484375, -1e-9, 2451545.0, 1.0 / 3, 123456789.125};
    for (double v : values) {
        const std::string s = JsonNumber(v);
        EXPECT_EQ(s.find(','), std::string::npos) << s;
        EXPECT_EQ(std::stod(s), v) << s;
    }
    EXPECT_EQ(JsonNumber(2451545.0), "2451545");
    EXPECT_EQ(JsonNumber(0.25), "0.25");
    EXPECT_EQ(JsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(JsonNumber(std::nan("")), "null");
    EXPECT_EQ(JsonNumber(1.0 / 0.0), "null");
}

}  // namespace
}  // namespace natalis
