#include <gtest/gtest.h>

#include <set>
#include <string>

#include "astro/SistemaCasas.h"
#include "predictive/Tecnicas.h"

namespace natalis {
namespace {

TEST(Tecnicas, MenuIndexesAndCaptionsOfTheBehaviourStayInTheirPlaces) {
    const struct {
        int indice;
        const char* caption;
        TipoTecnica id;
    } casos[] = {{40, "Primaria", TipoTecnica::Primaria},
                 {41, "Arco Solar", TipoTecnica::ArcoSolar},
                 {42, "Grado x Año", TipoTecnica::GradoAnio}};
    for (const auto& c : casos) {
        EXPECT_EQ(TecnicaPorIndice(c.indice), c.id) << c.caption;
        EXPECT_EQ(TecnicaPorCaption(c.caption), c.id) << c.caption;
        EXPECT_STREQ(FilaTecnica(c.id).caption, c.caption);
        EXPECT_EQ(FilaTecnica(c.id).indice, c.indice);
    }
}

TEST(Tecnicas, EveryRowHasItsOwnIndexAndCaption) {
    std::set<int> indices;
    std::set<std::string> captions;
    for (const TecnicaFila& f : kTecnicas) {
        EXPECT_TRUE(indices.insert(f.indice).second) << f.caption;
        EXPECT_TRUE(captions.insert(f.caption).second) << f.caption;
        EXPECT_EQ(&FilaTecnica(f.id), &f);
    }
}

// A caption is looked up exactly: a decorated or misspelt caption names no technique
// instead of silently standing for one.
TEST(Tecnicas, NearCaptionsNameNoTechnique) {
    for (const char* texto : {"&Arco Solar", "Arco solar", "Arco Solar ", "", "Grado x Ano"}) {
        EXPECT_FALSE(TecnicaPorCaption(texto)) << texto;
    }
    EXPECT_FALSE(TecnicaPorIndice(39));
    EXPECT_FALSE(TecnicaPorIndice(50));
}

TEST(SistemaCasas, LettersIndexesAndCaptions) {
    const struct {
        const char* letra;
        int indice;
        const char* caption;
    } casos[] = {{"P", 30, "Plácido"}, {"r", 31, "Regiomontano"}, {"K", 32, "Koch"}};
    for (const auto& c : casos) {
        const auto s = CasasPorLetra(c.letra);
        ASSERT_TRUE(s) << c.letra;
        EXPECT_EQ(CasasPorIndice(c.indice), s);
        EXPECT_EQ(CaptionCasas(*s, false), c.caption);
        EXPECT_EQ(CaptionCasas(*s, true), "Porfirio");
    }
    for (const char* letra : {"", "Z", "PK", "g"}) EXPECT_FALSE(CasasPorLetra(letra)) << letra;
    EXPECT_EQ(LetraCasas(SistemaCasas::Koch), "K");
}

}  // namespace
}  // namespace natalis
