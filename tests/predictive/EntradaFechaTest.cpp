#include <gtest/gtest.h>

#include "PredictiveFixture.h"
#include "predictive/EntradaFecha.h"

namespace natalis {
namespace {

TEST(FiltroTeclaFecha, EnterAcceptsEscapeCancelsOnlyDateKeysPass) {
    struct Caso {
        int tecla;
        TeclaFecha accion;
    };
    const Caso casos[] = {
        {13, TeclaFecha::Aceptar},   {27, TeclaFecha::Cancelar},  {8, TeclaFecha::Pasa},
        {32, TeclaFecha::Pasa},      {45, TeclaFecha::Pasa},      {'0', TeclaFecha::Pasa},
        {'9', TeclaFecha::Pasa},     {'/', TeclaFecha::Descarta}, {'a', TeclaFecha::Descarta},
        {'.', TeclaFecha::Descarta}, {9, TeclaFecha::Descarta},   {'+', TeclaFecha::Descarta},
    };
    for (const Caso& c : casos) EXPECT_EQ(FiltroTeclaFecha(c.tecla), c.accion) << c.tecla;
}

TEST(ConfigEntrada, ProgressionOffersTheLastDateAndForcesDirectForPrimary) {
    const ConfigEntrada a = ConfigProgresion(TipoTecnica::ArcoSolar, "5 3 1970", "22 11 2001");
    EXPECT_EQ(a.captionMain, "Prog Arco Solar");
    EXPECT_EQ(a.captionFecha, "  FECHA a PROGRESAR:");
    EXPECT_EQ(a.captionFechaNat, "Fecha a Progresar");
    EXPECT_EQ(a.caption024, "fecha natal  5 3 1970");
    EXPECT_EQ(a.opcionDirecta, "prog.Directa");
    EXPECT_EQ(a.opcionConversa, "Conversa");
    EXPECT_EQ(a.textoFecha, "22 11 2001");
    EXPECT_TRUE(a.chkAscEnArco);
    EXPECT_FALSE(a.txtHora);
    EXPECT_FALSE(a.soloDirecta);
    EXPECT_EQ(a.fechaNatLeft, 1550);
    EXPECT_EQ(a.left024, 240);
    EXPECT_EQ(a.top024, 960);
    EXPECT_TRUE(ConfigProgresion(TipoTecnica::Primaria, "5 3 1970", "").soloDirecta);
    EXPECT_EQ(ConfigProgresion(TipoTecnica::Primaria, "5 3 1970", "").textoFecha, "");
}

TEST(ConfigEntrada, TransitAsksForDateAndHour) {
    const ConfigEntrada t = ConfigTransito();
    EXPECT_EQ(t.captionMain, "FECHA TRANSITO:");
    EXPECT_EQ(t.captionFecha, "");
    EXPECT_TRUE(t.marcoFecha);
    EXPECT_TRUE(t.txtFecha);
    EXPECT_TRUE(t.txtHora);
    EXPECT_FALSE(t.chkAscEnArco);
    EXPECT_EQ(t.caption024, "Cero a 24 hs");
    EXPECT_EQ(t.captionFechaNat, "Fecha Tránsito");
    EXPECT_EQ(t.opcionDirecta, "trans.Directo");
    EXPECT_EQ(t.opcionConversa, "Converso");
    EXPECT_FALSE(t.focoEnHora);
}

TEST(ConfigEntrada, NewBirthTimeOffersTheTimeTriedLastOrTheChartsOwn) {
    const NatalRecord rec = testing::RegistroDePrueba();
    const ConfigEntrada propia = ConfigCambioHora(rec, "");
    EXPECT_EQ(propia.captionMain, "Cambiar Hora");
    EXPECT_EQ(propia.captionFechaNat, "Hora Natal:  12:00:00");
    EXPECT_EQ(propia.textoHora, "12 00 00");
    EXPECT_EQ(propia.caption024, "Hora: cero a 24");
    EXPECT_FALSE(propia.txtFecha);
    EXPECT_TRUE(propia.focoEnHora);
    const ConfigEntrada probada = ConfigCambioHora(rec, "14 30");
    EXPECT_EQ(probada.captionFechaNat, "Hora Natal:  14 30");
    EXPECT_EQ(probada.textoHora, "14 30");
}

TEST(ValidarHora, DecimalHoursOrTheCheckersText) {
    double h = -1;
    std::string hora = " 14 30 36 ";
    EXPECT_EQ(ValidarHora(hora, h), "");
    EXPECT_NEAR(h, 14.51, 1e-9);  // hand computation: 14 + 30/60 + 36/3600
    hora = "25 00";
    EXPECT_EQ(ValidarHora(hora, h), " 25 horas no es correcto.");
    // A decimal birth time outside the day would draw the chart weeks later.
    hora = "1430";
    h = -1;
    EXPECT_EQ(ValidarHora(hora, h), " 1430 horas no es correcto.");
    EXPECT_EQ(h, -1);
    hora = "14.5";
    EXPECT_EQ(ValidarHora(hora, h), "");
    EXPECT_DOUBLE_EQ(h, 14.5);
}

}  // namespace
}  // namespace natalis
