// The period window's list: order by exact instant, the three filters and their choices,
// and the row texts against the command line's lines.
#include <gtest/gtest.h>

#include "chart/Aspects.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/FiltroPeriodo.h"

namespace natalis {
namespace {

AspectoPeriodo Hit(int movil, int aspecto, int natal, double jd) {
    AspectoPeriodo a;
    a.movil = movil;
    a.aspecto = aspecto;
    a.natal = natal;
    a.jdExacto = jd;
    a.jdEntrada = jd - 1;
    a.jdSalida = jd + 1;
    return a;
}

const std::vector<AspectoPeriodo> kHits = {
    Hit(1, 1, 2, 2460400.5),   // SOL Conj LUN
    Hit(2, 3, 2, 2460401.5),   // LUN Cuad LUN
    Hit(1, 3, 12, 2460402.5),  // SOL Cuad ASC
    Hit(5, 1, 12, 2460403.5),  // MAR Conj ASC
};

TEST(FiltroPeriodo, AllLetEverythingThrough) {
    const std::vector<size_t> todos = FiltrarAspectosPeriodo(kHits, {});
    EXPECT_EQ(todos, (std::vector<size_t>{0, 1, 2, 3}));
}

TEST(FiltroPeriodo, EachFilterNarrowsAndTheyCombine) {
    struct Caso {
        FiltroPeriodo f;
        std::vector<size_t> quedan;
    };
    const Caso casos[] = {
        {{1, kTodos, kTodos}, {0, 2}},
        {{kTodos, 1, kTodos}, {0, 3}},
        {{kTodos, kTodos, 12}, {2, 3}},
        {{1, 3, kTodos}, {2}},
        {{1, 3, 12}, {2}},
        {{5, kTodos, 2}, {}},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(FiltrarAspectosPeriodo(kHits, c.f), c.quedan)
            << c.f.movil << " " << c.f.aspecto << " " << c.f.natal;
    }
}

TEST(FiltroPeriodo, SortsByExactInstantKeepingTies) {
    std::vector<AspectoPeriodo> hits = {Hit(3, 0, 1, 20), Hit(1, 0, 1, 10), Hit(2, 0, 1, 20),
                                        Hit(4, 0, 1, 5)};
    OrdenarPorExacto(hits);
    ASSERT_EQ(hits.size(), 4u);
    EXPECT_EQ(hits[0].movil, 4);
    EXPECT_EQ(hits[1].movil, 1);
    EXPECT_EQ(hits[2].movil, 3);  // ties keep their order
    EXPECT_EQ(hits[3].movil, 2);
}

TEST(FiltroPeriodo, ChoicesStartWithTodosAndFollowTheLabels) {
    const auto movil = OpcionesMovil(TecnicaPeriodo::Transitos);
    ASSERT_EQ(movil.size(), 11u);
    EXPECT_EQ(movil[0].caption, "Todos");
    EXPECT_EQ(movil[0].valor, kTodos);
    EXPECT_EQ(movil[1].caption, "SOL");
    EXPECT_EQ(movil[10].caption, "PLU");
    EXPECT_EQ(OpcionesMovil(TecnicaPeriodo::Secundaria).size(), 11u);
    const auto arco = OpcionesMovil(TecnicaPeriodo::ArcoSolar);
    ASSERT_EQ(arco.size(), 17u);
    EXPECT_EQ(arco[11].caption, "MC");
    EXPECT_EQ(arco[16].caption, "C12");
    const auto aspectos = OpcionesAspecto();
    ASSERT_EQ(aspectos.size(), 10u);
    for (int k = 0; k < kNumAspectos; ++k) {
        EXPECT_EQ(aspectos[k + 1].caption, TablaAspectos[k].Nombre);
        EXPECT_EQ(aspectos[k + 1].valor, k);
    }
    const auto natal = OpcionesNatal();
    ASSERT_EQ(natal.size(), 17u);
    EXPECT_EQ(natal[12].caption, "ASC");
    EXPECT_EQ(natal[12].valor, 12);
}

TEST(CamposAspectoPeriodo, AreTheLineFieldsInOrder) {
    AspectoPeriodo a = Hit(1, 3, 12, 2460402.5);
    a.jdSalida.reset();
    const auto campos = CamposAspectoPeriodo(a);
    EXPECT_EQ(campos[0], "SOL");
    EXPECT_EQ(campos[1], "Cuad");
    EXPECT_EQ(campos[2], "ASC");
    EXPECT_EQ(campos[3], "2024-04-01 00:00");  // JD 2460401.5 is 1 April 2024, 0 h
    EXPECT_EQ(campos[4], "2024-04-02 00:00");
    EXPECT_EQ(campos[5], "-");
    EXPECT_EQ(LineaAspectoPeriodo(a), "SOL\tCuad\tASC\t2024-04-01 00:00\t2024-04-02 00:00\t-");
}

}  // namespace
}  // namespace natalis
