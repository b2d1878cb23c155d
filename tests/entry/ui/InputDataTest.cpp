// The entry form InputData driven offscreen: its controls, key filters, checks with their
// messages and focus, pre-filling and accepting a chart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "app/model/Cp1252.h"
#include "entry/AceptarDatos.h"
#include "entry/ui/ColumnCaption.h"
#include "entry/ui/InputData.h"
#include "tests/entry/FichaEjemplo.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// Types text into w one key at a time, as the keyboard would.
void Type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

QString Text(const InputData& f, EntryField field) { return f.Caja(field)->text(); }

class EntryForm : public ::testing::Test {
  protected:
    void SetUp() override { Open(); }
    void TearDown() override {
        delete form.data();
        QApplication::processEvents();
    }
    void Open() {
        delete form.data();
        form = new InputData(rec, flags, dialogs, [this] { ++accepted; });
        form->show();
        form->activateWindow();
        QApplication::processEvents();
    }
    // A complete, valid chart typed into the form.
    void FillValid() {
        const FichaNatalTextos f = FichaBuenosAires();
        form->SetTextos(f);
    }

    NatalRecord rec;
    ChartFlags flags;
    ScriptedDialogs dialogs;
    QPointer<InputData> form;
    int accepted = 0;
};

TEST_F(EntryForm, CaptionLabelsAndDesignedContents) {
    EXPECT_EQ(form->windowTitle(), "                 FICHA NATAL");
    const char* labels[] = {
        " NOMBRE", "  FECHA", " Día   Mes    Año", "  HORA",   "Hora  min.  seg. ( cero á  24 hs )",
        "  HUSO",  "LATITUD", "Grad  min.",        "LONGITUD", " Grad.  min.",
        " LUGAR"};
    QStringList shown;
    for (const QLabel* l : form->findChildren<QLabel*>()) shown << l->text();
    for (const char* label : labels) EXPECT_TRUE(shown.contains(label)) << label;

    const FichaNatalTextos designed;  // "00", "000" and empty, as the form is designed
    const FichaNatalTextos shownTexts = form->Textos();
    EXPECT_EQ(shownTexts.TextNombre, "");
    EXPECT_EQ(shownTexts.TextDia, "");
    EXPECT_EQ(shownTexts.TextHShs, "00");
    EXPECT_EQ(shownTexts.TextHusoHoras, "00");
    EXPECT_EQ(shownTexts.TextLonGrad, "000");
    EXPECT_FALSE(shownTexts.LatitudSur);
    EXPECT_TRUE(shownTexts.LongitudOeste);
    EXPECT_EQ(form->findChild<QRadioButton*>("Latitud0")->text(), " &Norte");
    EXPECT_EQ(form->findChild<QRadioButton*>("Latitud1")->text(), "&Sur");
    EXPECT_EQ(form->findChild<QRadioButton*>("Longit0")->text(), "&Este");
    EXPECT_EQ(form->findChild<QRadioButton*>("Longit1")->text(), "&Oeste");
    EXPECT_EQ(form->CrearCarta()->text(), "&GRAFICAR");
}

TEST_F(EntryForm, TabOrderAndLongestEntries) {
    // Down the form as it reads: row by row, left to right, the place before the button.
    const char* order[] = {"TextNombre", "TextDia",   "TextMes",   "TextAnno",    "TextHShs",
                           "TextHSmin",  "TextHSseg", "TextHuso7", "TextHuso8",   "TextLatGrad",
                           "TextLatMin", "Latitud0",  "Latitud1",  "TextLonGrad", "TextLonMin",
                           "Longit0",    "Longit1",   "txtLugar",  "CrearCarta"};
    QWidget* w = form->Caja(EntryField::TextNombre);
    QRect previous = w->geometry();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w->objectName().toStdString(), order[i]);
        // Each stop is right of the last on the same row, or on a row further down.
        const QRect here(w->mapTo(form, QPoint(0, 0)), w->size());
        const bool sameRow =
            here.center().y() > previous.top() && here.center().y() < previous.bottom();
        EXPECT_TRUE(sameRow ? here.left() > previous.left() : here.top() >= previous.bottom())
            << order[i];
        previous = here;
    }

    struct Length {
        EntryField field;
        int max;
    };
    const Length lengths[] = {{EntryField::TextDia, 2},        {EntryField::TextMes, 2},
                              {EntryField::TextHShs, 2},       {EntryField::TextHSmin, 2},
                              {EntryField::TextHSseg, 2},      {EntryField::TextHusoHoras, 5},
                              {EntryField::TextLatGrad, 2},    {EntryField::TextLatMin, 2},
                              {EntryField::TextLonGrad, 3},    {EntryField::TextLonMin, 2},
                              {EntryField::TextHusoMinutos, 5}};
    for (const Length& l : lengths) {
        QLineEdit* box = form->Caja(l.field);
        box->clear();
        Type(box, "123456");
        EXPECT_EQ(box->text().size(), l.max) << box->objectName().toStdString();
    }
    Type(form->Caja(EntryField::TextAnno), "-1234567");
    EXPECT_EQ(Text(*form, EntryField::TextAnno), "-1234567");  // no limit
}

TEST_F(EntryForm, KeyFilters) {
    struct Row {
        EntryField field;
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {EntryField::TextDia, "1a.-2", "12"},
        {EntryField::TextAnno, "-5x00", "-500"},
        {EntryField::TextHShs, " 9", "9"},
        {EntryField::TextHusoHoras, "+3.5", "+3.5"},  // a leading sign and a point
        {EntryField::TextHusoHoras, "3+-", "3"},      // a sign only in front
        {EntryField::TextHusoHoras, "-03", "-03"},
        {EntryField::TextHusoMinutos, "+30.", "30."},  // the minutes take no sign
        {EntryField::TextLonGrad, "05e8", "058"},
        {EntryField::TextNombre, "Ñandú 2+", "Ñandú 2+"},  // no filter
        {EntryField::txtLugar, "Mar del Plata, 3°", "Mar del Plata, 3°"},
    };
    for (const Row& r : rows) {
        QLineEdit* box = form->Caja(r.field);
        box->clear();
        Type(box, QString::fromUtf8(r.typed));
        EXPECT_EQ(box->text().toStdString(), r.kept) << r.typed;
    }
    // Backspace passes.
    QLineEdit* day = form->Caja(EntryField::TextDia);
    day->setText("12");
    day->end(false);
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(day, &back);
    EXPECT_EQ(day->text(), "1");
}

TEST_F(EntryForm, PastedTextIsFilteredLikeTypedText) {
    QLineEdit* day = form->Caja(EntryField::TextDia);
    day->clear();
    QApplication::clipboard()->setText("-5");
    day->paste();
    EXPECT_EQ(day->text(), "");  // a negative day never reaches the chart
    QApplication::clipboard()->setText("15");
    day->paste();
    EXPECT_EQ(day->text(), "15");
}

TEST_F(EntryForm, PrefilledCharactersCanBeEditedAroundAndDeleted) {
    // A year kept with its sign's blank, and longitude degrees read from a hand-written
    // "8: 5.30W" (the three characters before the point).
    QLineEdit* year = form->Caja(EntryField::TextAnno);
    year->setText(" 1970");
    year->end(false);
    Type(year, "1x");
    EXPECT_EQ(year->text(), " 19701");
    QLineEdit* lon = form->Caja(EntryField::TextLonGrad);
    lon->setText(": 5");
    lon->home(false);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(lon, &del);
    EXPECT_EQ(lon->text(), " 5");
    Type(lon, "a");
    EXPECT_EQ(lon->text(), " 5");
}

struct CheckCase {
    const char* name;
    EntryField field;
    const char* text;
    const char* message;
    const char* title;
};

// Each check of the form, failing alone in an otherwise valid form.
const CheckCase kChecks[] = {
    {"Day", EntryField::TextDia, "", "Falta el número de día", "Corregir Fecha"},
    {"Month", EntryField::TextMes, "0", "Falta el número de mes", "Corregir Fecha"},
    {"Year", EntryField::TextAnno, "3001", " Las fechas posibles son de -3000 á 3000 años  ",
     "Corregir año"},
    {"Hour", EntryField::TextHShs, "24", "Las horas son de 0 á 23", "Corregir Hora"},
    {"Minutes", EntryField::TextHSmin, "60", "Los minutos son de 0 á 59", "Corregir Hora"},
    {"Seconds", EntryField::TextHSseg, "75", "Los segundos son de 0 á 59", "Corregir Hora"},
    {"Zone", EntryField::TextHusoHoras, "12.5", "La mayor diferencia horaria es 12hs",
     "Corregir Huso"},
    {"LatDeg", EntryField::TextLatGrad, "90", "La Latitud es de 0 á 89", "Corregir Latitud"},
    {"LatMin", EntryField::TextLatMin, "60", "Los minutos son de 0 á 59", "Corregir Latitud"},
    {"LonDeg", EntryField::TextLonGrad, "180", "La Longitud es de 0 á 179", "Corregir Longitud"},
    {"LonMin", EntryField::TextLonMin, "99", "Los minutos son de 0 á 59", "Corregir Longitud"},
};

TEST_F(EntryForm, EachCheckShowsItsMessageAndFocusesItsBox) {
    for (const CheckCase& c : kChecks) {
        FillValid();
        form->Caja(c.field)->setText(c.text);
        form->CrearCarta()->setFocus();
        dialogs.asked.clear();
        form->CrearCarta()->click();
        QApplication::processEvents();
        ASSERT_EQ(dialogs.asked.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.asked[0].prompt, c.message) << c.name;
        EXPECT_EQ(dialogs.asked[0].title, c.title) << c.name;
        EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::Ok) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), form->Caja(c.field)) << c.name;
        EXPECT_FALSE(flags.ChartLoaded) << c.name;
        EXPECT_TRUE(form->isVisible()) << c.name;
    }
    EXPECT_EQ(accepted, 0);
}

TEST_F(EntryForm, FirstFailingBoxWins) {
    FillValid();
    form->Caja(EntryField::TextDia)->clear();
    form->Caja(EntryField::TextHShs)->setText("25");
    form->CrearCarta()->click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Falta el número de día");
    EXPECT_EQ(QApplication::focusWidget(), form->Caja(EntryField::TextDia));
}

TEST_F(EntryForm, DateParserMessageKeepsTheFormOpen) {
    FillValid();
    form->Caja(EntryField::TextDia)->setText("32");
    form->CrearCarta()->click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Dia 32 es incorrecto.");
    EXPECT_EQ(dialogs.asked[0].title, "corregir fecha");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(accepted, 0);
}

TEST_F(EntryForm, AcceptingFillsTheRecordClosesAndHandsOver) {
    FillValid();
    form->CrearCarta()->click();
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(accepted, 1);
    EXPECT_TRUE(form.isNull() || !form->isVisible());
    EXPECT_EQ(rec.NatalName, "Ana Lucía");
    EXPECT_EQ(rec.FechaNatalTexto, "5 3 1970");
    EXPECT_FLOAT_EQ(rec.NatalHour, 9.125f);  // 9 + 7/60 + 30/3600
    EXPECT_FLOAT_EQ(rec.ZoneHours, 3.0f);
    EXPECT_FLOAT_EQ(rec.LatitudeDeg, -34.6f);
    EXPECT_FLOAT_EQ(rec.LongitudeDeg, -58.45f);
    EXPECT_TRUE(flags.ChartLoaded);
    EXPECT_TRUE(flags.NewChart);
}

TEST_F(EntryForm, OpeningWithAChartPrefillsItsDataAndSign) {
    FillValid();
    form->Caja(EntryField::TextHusoHoras)->setText("+1");
    form->findChild<QRadioButton*>("Longit0")->setChecked(true);
    form->CrearCarta()->click();
    QApplication::processEvents();
    ASSERT_TRUE(flags.ChartLoaded);

    Open();
    EXPECT_EQ(Text(*form, EntryField::TextNombre).toStdString(), Utf8CutOrPad("Ana Lucía", 30));
    EXPECT_EQ(Text(*form, EntryField::TextDia), "5");
    EXPECT_EQ(Text(*form, EntryField::TextAnno), " 1970");
    EXPECT_EQ(Text(*form, EntryField::TextHusoHoras), "+1");
    EXPECT_EQ(Text(*form, EntryField::TextLonGrad), "058");
    EXPECT_TRUE(form->findChild<QRadioButton*>("Latitud1")->isChecked());
    EXPECT_TRUE(form->findChild<QRadioButton*>("Longit0")->isChecked());
}

TEST_F(EntryForm, EmptyingChoosesNoHemisphere) {
    FillValid();  // south and west, as the chart shown before
    form->Vaciar();
    const FichaNatalTextos f = form->Textos();
    for (const std::string* text :
         {&f.TextNombre, &f.TextDia, &f.TextMes, &f.TextAnno, &f.TextHShs, &f.TextHSmin,
          &f.TextHSseg, &f.TextHusoHoras, &f.TextHusoMinutos, &f.TextLatGrad, &f.TextLatMin,
          &f.TextLonGrad, &f.TextLonMin, &f.txtLugar})
        EXPECT_EQ(*text, "");
    EXPECT_FALSE(f.LatitudElegida);
    EXPECT_FALSE(f.LongitudElegida);
    for (const char* name : {"Latitud0", "Latitud1", "Longit0", "Longit1"})
        EXPECT_FALSE(form->findChild<QRadioButton*>(name)->isChecked()) << name;
}

void Press(QWidget* w, int key);  // below

// A new chart typed by keys after "NUEVA CARTA": the hemispheres must be chosen, and then
// the chart takes the ones chosen, not the previous chart's.
TEST_F(EntryForm, TypedCoordinatesNeedAHemisphereChosen) {
    FillValid();
    form->Vaciar();
    const std::pair<EntryField, const char*> typed[] = {
        {EntryField::TextDia, "10"},       {EntryField::TextMes, "6"},
        {EntryField::TextAnno, "1985"},    {EntryField::TextHShs, "14"},
        {EntryField::TextHusoHoras, "+2"}, {EntryField::TextLatGrad, "48"},
        {EntryField::TextLatMin, "51"},    {EntryField::TextLonGrad, "2"},
        {EntryField::TextLonMin, "21"},
    };
    for (const auto& [field, text] : typed) Type(form->Caja(field), text);
    auto* norte = form->findChild<QRadioButton*>("Latitud0");
    auto* este = form->findChild<QRadioButton*>("Longit0");

    Press(form->Caja(EntryField::TextLonMin), Qt::Key_Return);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Elija Norte o Sur");
    EXPECT_EQ(dialogs.asked[0].title, "Corregir Latitud");
    EXPECT_EQ(QApplication::focusWidget(), norte);
    EXPECT_EQ(accepted, 0);

    norte->click();
    Press(form->Caja(EntryField::TextLonMin), Qt::Key_Return);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt, "Elija Este u Oeste");
    EXPECT_EQ(QApplication::focusWidget(), este);

    este->click();
    Press(form->Caja(EntryField::TextLonMin), Qt::Key_Return);
    EXPECT_EQ(dialogs.asked.size(), 2u);
    ASSERT_EQ(accepted, 1);
    // Hand computation: 48 + 51/60 north, 2 + 21/60 east.
    EXPECT_FLOAT_EQ(rec.LatitudeDeg, static_cast<float>(48 + 51 / 60.0));
    EXPECT_FLOAT_EQ(rec.LongitudeDeg, static_cast<float>(2 + 21 / 60.0));
    EXPECT_EQ(rec.LatText, "48.51N");
    EXPECT_EQ(rec.LonText, "2.21E");
}

TEST_F(EntryForm, EmptyCoordinatesNeverDrawAChart) {
    form->Vaciar();
    for (const auto& [field, text] : {std::pair{EntryField::TextDia, "10"},
                                      {EntryField::TextMes, "6"},
                                      {EntryField::TextAnno, "1985"}})
        Type(form->Caja(field), text);
    Type(form->Caja(EntryField::txtLugar), "Villa Inventada");
    Press(form->Caja(EntryField::txtLugar), Qt::Key_Return);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Falta el huso horario");
    EXPECT_EQ(QApplication::focusWidget(), form->Caja(EntryField::TextHusoHoras));
    EXPECT_EQ(accepted, 0);
    EXPECT_FALSE(flags.ChartLoaded);
}

}  // namespace
}  // namespace natalis

namespace natalis {
namespace {

void Press(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

TEST_F(EntryForm, EnterInAnyBoxDrawsTheChart) {
    FillValid();
    Press(form->Caja(EntryField::TextLatMin), Qt::Key_Return);
    EXPECT_EQ(accepted, 1);
    EXPECT_TRUE(flags.ChartLoaded);
}

TEST_F(EntryForm, EnterWithAFailedCheckShowsItsMessage) {
    Press(form->Caja(EntryField::TextNombre), Qt::Key_Enter);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, "Falta el número de día");
    EXPECT_EQ(accepted, 0);
}

TEST_F(EntryForm, EscapeClosesAskingOnlyWhenSomethingWasTyped) {
    Press(form->Caja(EntryField::TextDia), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(form.isNull() || !form->isVisible());

    Open();
    Type(form->Caja(EntryField::TextNombre), "Ana");
    dialogs.QueueAnswer(MsgAnswer::No);
    Press(form->Caja(EntryField::TextNombre), Qt::Key_Escape);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "Se perderán los datos escritos en la ficha. ¿Cerrarla sin graficar?");
    EXPECT_EQ(dialogs.asked[0].title, "Cerrar ficha");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[0].defaultButton, MsgAnswer::No);
    EXPECT_TRUE(form->isVisible());  // No: back to the form
    EXPECT_EQ(form->Caja(EntryField::TextNombre)->text(), "Ana");

    dialogs.QueueAnswer(MsgAnswer::Yes);
    Press(form->Caja(EntryField::TextNombre), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(form.isNull() || !form->isVisible());
    EXPECT_EQ(accepted, 0);
}

// The pre-filled data of a chart count as nothing typed; a changed hemisphere counts.
TEST_F(EntryForm, EscapeOnAPrefilledFormAsksOnlyAfterAChange) {
    flags.ChartLoaded = true;
    AceptarDatos(FichaBuenosAires(), rec, flags);
    Open();
    form->findChild<QRadioButton*>("Latitud0")->click();
    Press(form->Caja(EntryField::TextDia), Qt::Key_Escape);
    EXPECT_EQ(dialogs.asked.size(), 1u);
}

// Each word of a column caption stands over its own box; the caption's text is unchanged.
TEST_F(EntryForm, ColumnCaptionsStandOverTheirBoxes) {
    struct Row {
        const char* text;
        std::vector<EntryField> boxes;
        int pieces;
    };
    const Row rows[] = {
        {" Día   Mes    Año", {EntryField::TextDia, EntryField::TextMes, EntryField::TextAnno}, 3},
        {"Hora  min.  seg. ( cero á  24 hs )",
         {EntryField::TextHShs, EntryField::TextHSmin, EntryField::TextHSseg},
         4},
        {"Grad  min.", {EntryField::TextLatGrad, EntryField::TextLatMin}, 2},
        {" Grad.  min.", {EntryField::TextLonGrad, EntryField::TextLonMin}, 2},
    };
    const QList<ColumnCaption*> captions = form->findChildren<ColumnCaption*>();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const ColumnCaption* caption = nullptr;
        for (const ColumnCaption* c : captions) {
            if (c->text() == QString::fromUtf8(r.text)) caption = c;
        }
        ASSERT_NE(caption, nullptr);
        const std::vector<QRect> rects = caption->PieceRects();
        ASSERT_EQ(static_cast<int>(rects.size()), r.pieces);
        const int origin = caption->mapTo(form, QPoint(0, 0)).x();
        int previousRight = -1;
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const int left = origin + rects[i].left(), right = origin + rects[i].right();
            if (i < r.boxes.size()) {
                const QLineEdit* box = form->Caja(r.boxes[i]);
                const int boxLeft = box->mapTo(form, QPoint(0, 0)).x();
                EXPECT_GE(left, boxLeft) << i;
                EXPECT_LT(left, boxLeft + box->width()) << i;
            }
            EXPECT_GT(left, previousRight) << i;                 // no two pieces overlap
            EXPECT_LE(rects[i].right(), caption->width()) << i;  // none is cut
            previousRight = right;
        }
        EXPECT_EQ(caption->Pieces().join("").remove(' '),
                  QString::fromUtf8(r.text).remove(' '));  // every character drawn
    }
}

}  // namespace
}  // namespace natalis
