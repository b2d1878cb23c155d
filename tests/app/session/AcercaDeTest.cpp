// The text of "Acerca de Natalis": version, licence, credits, the ephemeris in use and the
// chart folder.
#include <gtest/gtest.h>

#include <string>

#include "app/model/Version.h"
#include "app/session/AcercaDe.h"

namespace natalis {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(AcercaDeNatalis, NamesVersionLicenceCreditsEphemerisAndFolder) {
    const std::string t =
        AcercaDeNatalis(EphemerisSource::Files, "/home/ana/.local/share/natalis/");
    EXPECT_EQ(t.substr(0, t.find('\n')), std::string("Natalis ") + NatalisVersion());
    EXPECT_TRUE(Has(t, "\nEfemérides: archivos del Swiss Ephemeris\n"));
    EXPECT_TRUE(Has(t, "\nCarpeta de cartas: /home/ana/.local/share/natalis/\n"));
    EXPECT_TRUE(Has(t, "GNU Affero General Public License, versión 3 o posterior"));
    EXPECT_TRUE(Has(t, "(AGPL-3.0-or-later)"));
    EXPECT_TRUE(Has(t, "SIN NINGUNA GARANTÍA"));
    EXPECT_TRUE(Has(t, "Swiss Ephemeris, de Astrodienst AG"));
    EXPECT_TRUE(Has(t, "DejaVu Sans"));
    EXPECT_TRUE(Has(t, "GeoNames (www.geonames.org), licencia CC BY 4.0"));
}

TEST(AcercaDeNatalis, SaysWhenTheAnalyticTheoryAnswered) {
    EXPECT_STREQ(EfemeridesTexto(EphemerisSource::Files), "archivos del Swiss Ephemeris");
    EXPECT_STREQ(EfemeridesTexto(EphemerisSource::Analytic), "teoría analítica");
    const std::string t = AcercaDeNatalis(EphemerisSource::Analytic, "/cartas/");
    EXPECT_TRUE(Has(t, "\nEfemérides: teoría analítica\n"));
    EXPECT_FALSE(Has(t, "archivos del Swiss Ephemeris"));
}

}  // namespace
}  // namespace natalis
