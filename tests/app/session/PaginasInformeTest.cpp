// The report's page layout: which line goes on which page and column, and where the pieces of
// a page stand on A4 and US Letter sheets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/model/Version.h"
#include "app/session/PaginasInforme.h"

namespace natalis {
namespace {

using Lineas = std::vector<std::string>;

bool EnBlanco(const std::string& l) { return l.find_first_not_of(' ') == std::string::npos; }

// Every column of every page, in reading order.
std::vector<Lineas> Columnas(const std::vector<PaginaListado>& paginas) {
    std::vector<Lineas> cols;
    for (const PaginaListado& p : paginas) cols.insert(cols.end(), p.begin(), p.end());
    return cols;
}

// A section made of blocks: a heading line and n - 1 lines under it, a blank line after each
// block, the way the aspects and the progression listings come.
Lineas Bloques(const std::string& nombre, const std::vector<int>& largos) {
    Lineas s;
    for (size_t b = 0; b < largos.size(); ++b) {
        for (int i = 0; i < largos[b]; ++i) {
            s.push_back(nombre + std::to_string(b) + "." + std::to_string(i));
        }
        s.push_back("   ");
    }
    return s;
}

TEST(ReportLayout, EachSectionStartsAColumnAndABlockStaysWhole) {
    const std::vector<Lineas> secciones = {{"LISTADO", "", "SOL", "LUN"}, Bloques("a", {3, 3, 2})};
    const auto paginas = PaginarListados(secciones, 6, 3);
    ASSERT_EQ(paginas.size(), 1u);
    // a0 and its blank take 4 rows; a1 (3 lines) does not fit in the 2 left and starts the
    // third column, where a2 (2 lines) fits under it and its blank.
    EXPECT_EQ(paginas[0], (PaginaListado{
                              {"LISTADO", "", "SOL", "LUN"},
                              {"a0.0", "a0.1", "a0.2"},
                              {"a1.0", "a1.1", "a1.2", "   ", "a2.0", "a2.1"},
                          }));
}

TEST(ReportLayout, BlockThatDoesNotFitUnderWhatAColumnHoldsStartsTheNext) {
    const auto paginas = PaginarListados({Bloques("b", {4, 3})}, 6, 4);
    ASSERT_EQ(paginas.size(), 1u);
    // 4 lines and a blank fill 5 rows; 3 more do not fit in the one left.
    EXPECT_EQ(paginas[0],
              (PaginaListado{{"b0.0", "b0.1", "b0.2", "b0.3"}, {"b1.0", "b1.1", "b1.2"}}));
}

TEST(ReportLayout, BlockLongerThanAColumnIsCutAtTheColumnFoot) {
    const auto paginas = PaginarListados({{"x"}, Bloques("c", {7})}, 3, 2);
    // {x} | {c0.0 c0.1 c0.2} on page 1; {c0.3 c0.4 c0.5} | {c0.6} on page 2.
    ASSERT_EQ(paginas.size(), 2u);
    EXPECT_EQ(paginas[0], (PaginaListado{{"x"}, {"c0.0", "c0.1", "c0.2"}}));
    EXPECT_EQ(paginas[1], (PaginaListado{{"c0.3", "c0.4", "c0.5"}, {"c0.6"}}));
}

TEST(ReportLayout, BlanksNeverOpenAColumnNorCloseASection) {
    const std::vector<Lineas> secciones = {{"   ", "", "T", "   ", "   "}, {"U", "   "}};
    const auto cols = Columnas(PaginarListados(secciones, 5, 4));
    EXPECT_EQ(cols, (std::vector<Lineas>{{"T"}, {"U"}}));
    EXPECT_TRUE(PaginarListados({{"  ", ""}}, 5, 4).empty())
        << "a section of blanks prints nothing";
    EXPECT_TRUE(PaginarListados({}, 5, 4).empty());
}

// Whatever the column height, every column fits it, no page has more columns than asked,
// no column opens or ends with a blank, and reading the columns in order gives back every
// line that is not blank, in its order.
TEST(ReportLayout, NoLineIsLostOrReorderedAtAnyColumnHeight) {
    const std::vector<Lineas> secciones = {Bloques("n", {1, 12, 1, 12}),
                                           Bloques("a", {4, 5, 3, 8, 2, 6, 5, 5, 4, 3}),
                                           Bloques("p", {3, 4, 4, 2, 5, 3, 4, 4, 3})};
    Lineas esperadas;
    for (const Lineas& s : secciones) {
        for (const std::string& l : s) {
            if (!EnBlanco(l)) esperadas.push_back(l);
        }
    }
    for (int alto = 1; alto <= 70; ++alto) {
        for (int columnas = 1; columnas <= 4; ++columnas) {
            SCOPED_TRACE(std::to_string(alto) + " lines, " + std::to_string(columnas) + " columns");
            const auto paginas = PaginarListados(secciones, alto, columnas);
            Lineas leidas;
            for (const PaginaListado& p : paginas) {
                ASSERT_GE(p.size(), 1u);
                ASSERT_LE(p.size(), static_cast<size_t>(columnas));
                for (const Lineas& c : p) {
                    ASSERT_FALSE(c.empty());
                    ASSERT_LE(c.size(), static_cast<size_t>(alto));
                    EXPECT_FALSE(EnBlanco(c.front()));
                    EXPECT_FALSE(EnBlanco(c.back()));
                    for (const std::string& l : c) {
                        if (!EnBlanco(l)) leidas.push_back(l);
                    }
                }
            }
            ASSERT_EQ(leidas, esperadas);
            // Only the last page may have fewer columns than a page holds.
            for (size_t i = 0; i + 1 < paginas.size(); ++i) {
                EXPECT_EQ(paginas[i].size(), static_cast<size_t>(columnas));
            }
        }
    }
}

TEST(ReportLayout, SheetsAreA4AndUsLetterByName) {
    EXPECT_EQ(PapelPorNombre("a4"), Papel::A4);
    EXPECT_EQ(PapelPorNombre("carta"), Papel::Carta);
    EXPECT_FALSE(PapelPorNombre("A4"));
    EXPECT_FALSE(PapelPorNombre("letter"));
    // ISO 216: 210 x 297 mm; US Letter: 8.5 x 11 in; 72 points an inch.
    EXPECT_NEAR(FilaPapel(Papel::A4).anchoPt, 595.276, 0.001);
    EXPECT_NEAR(FilaPapel(Papel::A4).altoPt, 841.890, 0.001);
    EXPECT_DOUBLE_EQ(FilaPapel(Papel::Carta).anchoPt, 612);
    EXPECT_DOUBLE_EQ(FilaPapel(Papel::Carta).altoPt, 792);
}

bool Dentro(const RectPt& a, const RectPt& b) {
    return a.x >= b.x && a.y >= b.y && a.x + a.ancho <= b.x + b.ancho + 1e-9 &&
           a.y + a.alto <= b.y + b.alto + 1e-9;
}

TEST(ReportLayout, PageOnePutsTheWheelUnderTheDataInWholePoints) {
    for (const PapelFila& papel : kPapeles) {
        SCOPED_TRACE(papel.nombre);
        const MedidasInforme m = MedirInforme(papel.anchoPt, papel.altoPt, 3, 100);
        const RectPt hoja{0, 0, papel.anchoPt, papel.altoPt};
        EXPECT_TRUE(Dentro(m.cabecera, hoja));
        EXPECT_TRUE(Dentro(m.pie, hoja));
        EXPECT_LE(m.cabecera.y + m.cabecera.alto, m.cuerpo.y);
        EXPECT_LE(m.cuerpo.y + m.cuerpo.alto, m.pie.y);
        ASSERT_EQ(m.datos.size(), 3u);
        EXPECT_GE(m.datos[0].y, m.nombre.y + m.nombre.alto);
        EXPECT_GE(m.rueda.y, m.datos[2].y + m.datos[2].alto);
        EXPECT_TRUE(Dentro(m.rueda, m.cuerpo));
        // The drawing's 100 x 70, on whole points, centred across the sheet.
        EXPECT_DOUBLE_EQ(m.rueda.alto, m.rueda.ancho * 0.7);
        for (double v : {m.rueda.x, m.rueda.y, m.rueda.ancho, m.rueda.alto}) {
            EXPECT_DOUBLE_EQ(v, std::round(v));
        }
        EXPECT_NEAR(m.rueda.x + m.rueda.ancho / 2, papel.anchoPt / 2, 0.5);
        EXPECT_GT(m.rueda.ancho, 0.8 * m.cuerpo.ancho);
    }
    // A landscape sheet: the wheel shrinks to the height left.
    const MedidasInforme apaisada = MedirInforme(841.89, 595.276, 3, 100);
    EXPECT_TRUE(Dentro(apaisada.rueda, apaisada.cuerpo));
    EXPECT_DOUBLE_EQ(apaisada.rueda.alto, apaisada.rueda.ancho * 0.7);
}

TEST(ReportLayout, ColumnsAreAsManyAsTheWidestLineAllowsAndAsHighAsTheBody) {
    const struct {
        double anchoLineaPt;
        int columnas;
    } casos[] = {
        // A4's body is 595.276 - 2 x 40 = 515.276 pt wide; n columns of w take
        // n w + 18 (n - 1) pt.
        {100, 4},   // 454 fits; a fifth is more than a page takes
        {115, 4},   // 514 fits
        {116, 3},   // 518 does not; 3 take 384
        {160, 2},   // 3 take 516
        {300, 1},   // 2 take 618
        {2000, 1},  // never fewer than one
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.anchoLineaPt);
        const MedidasInforme m = MedirInforme(FilaPapel(Papel::A4).anchoPt,
                                              FilaPapel(Papel::A4).altoPt, 3, c.anchoLineaPt);
        EXPECT_EQ(m.columnas, c.columnas);
        ASSERT_EQ(m.columna.size(), static_cast<size_t>(c.columnas));
        for (size_t i = 0; i < m.columna.size(); ++i) {
            EXPECT_TRUE(Dentro(m.columna[i], m.cuerpo));
            EXPECT_GE(m.columna[i].ancho, std::min(c.anchoLineaPt, m.cuerpo.ancho));
            if (i > 0) {
                EXPECT_GE(m.columna[i].x, m.columna[i - 1].x + m.columna[i - 1].ancho);
            }
        }
        EXPECT_LE(m.LineaY(m.lineasPorColumna), m.cuerpo.y + m.cuerpo.alto);
        EXPECT_GT(m.LineaY(m.lineasPorColumna + 1), m.cuerpo.y + m.cuerpo.alto);
    }
    // Letter is shorter than A4: fewer lines in a column.
    const MedidasInforme a4 =
        MedirInforme(FilaPapel(Papel::A4).anchoPt, FilaPapel(Papel::A4).altoPt, 3, 100);
    const MedidasInforme carta =
        MedirInforme(FilaPapel(Papel::Carta).anchoPt, FilaPapel(Papel::Carta).altoPt, 3, 100);
    EXPECT_LT(carta.lineasPorColumna, a4.lineasPorColumna);
}

TEST(ReportLayout, PageAndFootTexts) {
    EXPECT_EQ(TextoPagina(2, 3), "Página 2 de 3");
    EXPECT_EQ(TextoPie(), std::string("Natalis ") + NatalisVersion());
}

}  // namespace
}  // namespace natalis
