// The entry form with the atlas, offscreen, over the atlas and tz database the system
// ships: typing a place lists it, choosing it fills the boxes and the zone line, a change
// of date recomputes, a repeated time offers its two readings, a typed offset wins, and the
// typed place can be kept among the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "app/model/Atlas.h"
#include "app/model/UserPlaces.h"
#include "entry/ui/InputData.h"
#include "entry/ui/LugarAtlas.h"
#include "tests/app/TempFolder.h"
#include "tests/entry/FichaEjemplo.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

void Type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

// Replaces a box's text as typing over it does.
void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    Type(box, text);
}

class FormWithAtlas : public ::testing::Test {
  protected:
    void SetUp() override {
        atlas = Atlas::Load(SystemAtlasFile(), folder.path());
        form = new InputData(rec, flags, dialogs, [this] { ++accepted; });
        form->Lugar()->SetAtlas(&atlas);
        FichaNatalTextos f = FichaBuenosAires();
        f.TextDia = "1", f.TextMes = "7", f.TextAnno = "1990";
        f.TextHShs = "12", f.TextHSmin = "00", f.TextHSseg = "00";
        form->SetTextos(f);
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        delete form.data();
        QApplication::processEvents();
    }
    QLineEdit* Box(EntryField field) { return form->Caja(field); }
    QString Line() { return form->Lugar()->Linea()->text(); }
    // Types text into the place box and chooses the first place offered, through the list.
    void Choose(const QString& text) {
        Retype(Box(EntryField::txtLugar), text);
        const QStringList offered = form->Lugar()->Sugerencias();
        ASSERT_FALSE(offered.isEmpty()) << text.toStdString();
        emit Box(EntryField::txtLugar)->completer()->activated(offered[0]);
        QApplication::processEvents();
    }

    TempFolder folder;
    Atlas atlas;
    NatalRecord rec;
    ChartFlags flags;
    ScriptedDialogs dialogs;
    QPointer<InputData> form;
    int accepted = 0;
};

TEST_F(FormWithAtlas, TypedNameListsPlacesWithRegionAndCountry) {
    Retype(Box(EntryField::txtLugar), "Cordoba");
    const QStringList offered = form->Lugar()->Sugerencias();
    ASSERT_GE(offered.size(), 2);
    EXPECT_TRUE(offered.filter(", Argentina").size() >= 1) << offered.join("|").toStdString();
    EXPECT_TRUE(offered.filter(", España").size() >= 1) << offered.join("|").toStdString();
    EXPECT_EQ(Box(EntryField::txtLugar)->completer()->model()->rowCount(), offered.size());
}

TEST_F(FormWithAtlas, ChosenPlaceFillsTheBoxesAndTheZoneLine) {
    EXPECT_EQ(Line(), "escrito a mano");
    Choose("Madrid esp");
    EXPECT_EQ(Box(EntryField::TextLatGrad)->text(), "40");
    EXPECT_EQ(Box(EntryField::TextLatMin)->text(), "25");
    EXPECT_EQ(Box(EntryField::TextLonGrad)->text(), "003");
    EXPECT_EQ(Box(EntryField::TextLonMin)->text(), "42");
    EXPECT_TRUE(form->Textos().LongitudOeste);
    EXPECT_FALSE(form->Textos().LatitudSur);
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "+02");
    EXPECT_EQ(Box(EntryField::TextHusoMinutos)->text(), "00");
    EXPECT_EQ(Line(), "Europe/Madrid · CEST, horario de verano · UT+2");
    EXPECT_TRUE(Box(EntryField::txtLugar)->text().startsWith("Madrid, "));

    // A new month, typed, recomputes the offset.
    Retype(Box(EntryField::TextMes), "1");
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "+01");
    EXPECT_EQ(Line(), "Europe/Madrid · CET, hora normal · UT+1");

    ASSERT_TRUE(form->AceptarDatos());
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(rec.ZoneHours, -1);
    EXPECT_EQ(rec.ZoneFrom.zone, "Europe/Madrid");
    EXPECT_EQ(rec.ZoneFrom.abbreviation, "CET");
}

TEST_F(FormWithAtlas, OffsetTypedByHandWinsAndTheLineSaysSo) {
    Choose("Madrid esp");
    Retype(Box(EntryField::TextHusoHoras), "+3");
    EXPECT_EQ(Line(), "escrito a mano");
    Retype(Box(EntryField::TextMes), "1");
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "+3");
    ASSERT_TRUE(form->AceptarDatos());
    EXPECT_EQ(rec.ZoneHours, -3);
    EXPECT_FALSE(rec.ZoneFrom.FromDatabase());
}

TEST_F(FormWithAtlas, RepeatedTimeOffersBothReadings) {
    // London's clocks showed 01:30 twice on 28 10 2012 (BST, then GMT).
    Retype(Box(EntryField::TextDia), "28");
    Retype(Box(EntryField::TextMes), "10");
    Retype(Box(EntryField::TextAnno), "2012");
    Retype(Box(EntryField::TextHShs), "01");
    Retype(Box(EntryField::TextHSmin), "30");
    Choose("Londres");
    QComboBox* lecturas = form->Lugar()->Lecturas();
    EXPECT_FALSE(lecturas->isHidden());
    ASSERT_EQ(lecturas->count(), 2);
    EXPECT_EQ(lecturas->itemText(0), "primera: BST, horario de verano · UT+1");
    EXPECT_EQ(lecturas->itemText(1), "segunda: GMT, hora normal · UT+0");
    EXPECT_EQ(lecturas->currentIndex(), -1);
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "");

    // Accepting before choosing is refused with the question.
    EXPECT_FALSE(form->AceptarDatos());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Corregir Huso");
    EXPECT_EQ(accepted, 0);

    emit lecturas->activated(1);
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "+00");
    EXPECT_EQ(Line(), "Europe/London · GMT, hora normal · UT+0");
    ASSERT_TRUE(form->AceptarDatos());
    EXPECT_EQ(rec.ZoneFrom.abbreviation, "GMT");
}

TEST_F(FormWithAtlas, TypedPlaceIsKeptAmongTheUsersPlaces) {
    Choose("Madrid esp");
    Retype(Box(EntryField::txtLugar), "Mi pueblo");
    dialogs.QueueInput("Europe/Madrid");
    form->Lugar()->Agregar()->click();
    ASSERT_GE(dialogs.asked.size(), 2u);
    EXPECT_TRUE(dialogs.asked[0].input);
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "Europe/Madrid");
    EXPECT_EQ(dialogs.asked.back().prompt, "Se agregó «Mi pueblo» a sus lugares.");
    const UserPlacesRead own = ReadUserPlaces(folder.path());
    ASSERT_EQ(own.places.size(), 1u);
    EXPECT_EQ(own.places[0].name, "Mi pueblo");
    EXPECT_EQ(own.places[0].zone, "Europe/Madrid");
    EXPECT_NEAR(own.places[0].latitudeDeg, 40 + 25 / 60.0, 1e-6);
    ASSERT_FALSE(atlas.Search("mi pueblo", 1).empty());
    EXPECT_EQ(Line(), "Europe/Madrid · CEST, horario de verano · UT+2");
}

TEST_F(FormWithAtlas, APlaceNotFoundSaysWhatToDo) {
    QLabel* aviso = form->Lugar()->Aviso();
    EXPECT_TRUE(aviso->isHidden());
    Retype(Box(EntryField::txtLugar), "Qwxzv");
    EXPECT_TRUE(form->Lugar()->Sugerencias().isEmpty());
    EXPECT_FALSE(aviso->isHidden());
    EXPECT_EQ(aviso->text().toStdString(),
              "No se encontró «Qwxzv» en el atlas: escriba la latitud y la longitud del lugar, "
              "elija su zona horaria en la lista de zonas y, si quiere, guárdelo con «Agregar a "
              "mis lugares».");
    // A text that finds places again clears it.
    Retype(Box(EntryField::txtLugar), "Carcabuey");
    EXPECT_FALSE(form->Lugar()->Sugerencias().isEmpty());
    EXPECT_TRUE(aviso->isHidden());
}

TEST_F(FormWithAtlas, TypedCoordinatesTakeAZoneFromTheList) {
    // A farm near Tafí del Valle (26.85 S, 65.71 W): Tucumán's zone comes first.
    Retype(Box(EntryField::txtLugar), "Estancia Las Carreras");
    Retype(Box(EntryField::TextLatGrad), "26");
    Retype(Box(EntryField::TextLatMin), "48");
    Retype(Box(EntryField::TextLonGrad), "065");
    Retype(Box(EntryField::TextLonMin), "42");
    ASSERT_TRUE(form->Textos().LatitudSur);  // the Buenos Aires sample chart is south and west
    ASSERT_TRUE(form->Textos().LongitudOeste);
    QComboBox* zonas = form->Lugar()->Zonas();
    ASSERT_GT(zonas->count(), 300);  // every zone of the atlas
    EXPECT_EQ(zonas->itemText(0), "America/Argentina/Tucuman");
    EXPECT_EQ(zonas->currentIndex(), -1);

    // Chosen, the zone's history gives the offset: Tucumán was UT-3 on 1 7 1990 (tzdata).
    emit zonas->activated(0);
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "-03");
    EXPECT_EQ(Box(EntryField::TextHusoMinutos)->text(), "00");
    EXPECT_TRUE(Line().startsWith("America/Argentina/Tucuman · ")) << Line().toStdString();
    EXPECT_EQ(Box(EntryField::txtLugar)->text(), "Estancia Las Carreras");
    EXPECT_EQ(Box(EntryField::TextLatGrad)->text(), "26");
    ASSERT_TRUE(form->AceptarDatos());
    EXPECT_EQ(rec.ZoneFrom.zone, "America/Argentina/Tucuman");
    EXPECT_EQ(rec.ZoneHours, 3);  // west of Greenwich
}

TEST_F(FormWithAtlas, KeepingATypedPlaceOffersTheNearestZone) {
    Retype(Box(EntryField::txtLugar), "Rancho");
    Retype(Box(EntryField::TextLatGrad), "26");
    Retype(Box(EntryField::TextLatMin), "48");
    Retype(Box(EntryField::TextLonGrad), "065");
    Retype(Box(EntryField::TextLonMin), "42");
    dialogs.QueueInput("");  // cancelled: nothing kept
    form->Lugar()->Agregar()->click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].input);
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "America/Argentina/Tucuman");
    EXPECT_TRUE(ReadUserPlaces(folder.path()).places.empty());
}

TEST_F(FormWithAtlas, NuevaCartaForgetsTheChosenPlace) {
    Choose("Madrid esp");
    form->Vaciar();
    EXPECT_EQ(form->Textos().huso.zona, "");
    EXPECT_EQ(Line(), "escrito a mano");
    Type(Box(EntryField::TextMes), "1");
    EXPECT_EQ(Box(EntryField::TextHusoHoras)->text(), "");
}

TEST_F(FormWithAtlas, APlaceNotFoundIsNamedWhileTheCoordinatesAreEmpty) {
    form->Vaciar();
    for (const auto& [field, text] : {std::pair{EntryField::TextDia, "10"},
                                      {EntryField::TextMes, "6"},
                                      {EntryField::TextAnno, "1985"}})
        Type(Box(field), text);
    Type(Box(EntryField::txtLugar), "Qxzwv");
    EXPECT_TRUE(form->Lugar()->Sugerencias().isEmpty());
    EXPECT_FALSE(form->AceptarDatos());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, LugarNoEncontrado("Qxzwv"));
    EXPECT_EQ(dialogs.asked[0].title, "Corregir Lugar");
    EXPECT_EQ(accepted, 0);

    // A place found but not chosen is no "not found": the missing box is named.
    Retype(Box(EntryField::txtLugar), "Madrid");
    ASSERT_FALSE(form->Lugar()->Sugerencias().isEmpty());
    EXPECT_FALSE(form->AceptarDatos());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt, "Falta el huso horario");
}

TEST(FormWithoutAtlas, WorksByHand) {
    NatalRecord rec;
    ChartFlags flags;
    ScriptedDialogs dialogs;
    auto* form = new InputData(rec, flags, dialogs, nullptr);
    form->SetTextos(FichaBuenosAires());
    Type(form->Caja(EntryField::txtLugar), "Madrid");
    EXPECT_TRUE(form->Lugar()->Sugerencias().isEmpty());
    EXPECT_FALSE(form->Lugar()->Agregar()->isEnabled());
    EXPECT_EQ(form->Lugar()->Linea()->text(), "escrito a mano");
    EXPECT_TRUE(form->AceptarDatos());  // closes and deletes the form
    EXPECT_EQ(rec.ZoneHours, 3);
}

}  // namespace
}  // namespace natalis
