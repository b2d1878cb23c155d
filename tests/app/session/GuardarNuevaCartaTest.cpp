// Saving a new chart: the name prompt, the replace question, unstorable characters, names
// that cannot be file names and failed writes, with scripted answers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/session/GuardarNuevaCarta.h"
#include "tests/app/TempFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

const char kTitle[] = "Guardar datos natales";
const char kPrompt[] = "Escriba un nombre para este archivo";

class GuardarNuevaCartaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rec.NatalName = "Ana Gómez";
        rec.NatalDay = 5, rec.NatalMonth = 3, rec.NatalYear = 1970;
        rec.HourText = "9", rec.MinuteText = "7", rec.SecondText = "30";
        rec.ZoneHourText = "3", rec.ZoneMinuteText = "00", rec.ZoneHours = 3;
        rec.LatDegText = "34", rec.LatMinText = "36", rec.LatHemisphere = "S";
        rec.LonDegText = "58", rec.LonMinText = "27", rec.LonHemisphere = "W";
        rec.Place = Utf8CutOrPad("Buenos Aires", 30);
        flags.ChartLoaded = true;
        flags.NewChart = true;
        flags.ProgramFolder = folder.path();
    }

    std::optional<std::string> Save(const std::string* notes = nullptr) {
        return GuardarNuevaCarta(dialogs, rec, flags, notes);
    }

    // The chart read back from a file of the folder.
    NatalRecord Load(const std::string& fileName) {
        NatalRecord r;
        EXPECT_TRUE(ReadChartFile(folder.path(), fileName, r).ok) << fileName;
        return r;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    NatalRecord rec;
    ChartFlags flags;
};

TEST_F(GuardarNuevaCartaTest, EmptyAnswerWritesNothing) {
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].input);
    EXPECT_EQ(dialogs.asked[0].prompt, kPrompt);
    EXPECT_EQ(dialogs.asked[0].title, kTitle);
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, "Ana Gómez");
    EXPECT_EQ(rec.NatalName, "Ana Gómez");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(GuardarNuevaCartaTest, AnswerNamesThePersonAndTheFile) {
    dialogs.QueueInput("  Ana María Gómez ");
    EXPECT_EQ(Save().value_or(""), "Ana María Gómez.dat");
    EXPECT_EQ(rec.NatalName, "  Ana María Gómez ");  // as typed
    // The save is confirmed with what was written and where.
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_FALSE(dialogs.asked[1].input);
    EXPECT_EQ(dialogs.asked[1].prompt, "Se guardó la carta natal de Ana María Gómez en «" +
                                           folder.path() + "Ana María Gómez.dat».");
    EXPECT_EQ(dialogs.asked[1].title, kTitle);
    EXPECT_EQ(dialogs.asked[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Information);
    const NatalRecord back = Load("Ana María Gómez.dat");
    EXPECT_EQ(back.NatalName, " Ana María Gómez");
    EXPECT_EQ(back.FechaNatalTexto, "5 3 1970");
    EXPECT_EQ(back.TimeText, "09:07:30");
}

TEST_F(GuardarNuevaCartaTest, ExistingFileAsksAndNoAsksForAnotherName) {
    WriteBytes(folder / "Ana.dat", "otra carta\r\n");
    dialogs.QueueInput("Ana");
    dialogs.QueueAnswer(MsgAnswer::No);
    dialogs.QueueInput("Ana 2");
    EXPECT_EQ(Save().value_or(""), "Ana 2.dat");

    ASSERT_EQ(dialogs.asked.size(), 4u);  // the last one confirms the save
    EXPECT_EQ(dialogs.asked[1].prompt, "Ya existe el archivo «Ana.dat». ¿Reemplazarlo?");
    EXPECT_EQ(dialogs.asked[1].title, kTitle);
    EXPECT_EQ(dialogs.asked[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.asked[2].defaultAnswer, "Ana");  // the last answer is offered again
    EXPECT_EQ(ReadBytes(folder / "Ana.dat"), "otra carta\r\n");
    EXPECT_EQ(Load("Ana 2.dat").NatalName, " Ana 2");
}

TEST_F(GuardarNuevaCartaTest, ExistingFileReplacedOnYesHoldsOneChart) {
    WriteBytes(folder / "Ana.dat", "1: Vieja\r\n9: Lima\r\n");
    dialogs.QueueInput("Ana");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(Save().value_or(""), "Ana.dat");
    const std::string bytes = ReadBytes(folder / "Ana.dat");
    EXPECT_EQ(bytes.find("Vieja"), std::string::npos);
    EXPECT_EQ(Load("Ana.dat").NatalName, " Ana");
}

TEST_F(GuardarNuevaCartaTest, UnstorableCharactersAreListedAndCanCancel) {
    dialogs.QueueInput("Łucja");
    dialogs.QueueAnswer(MsgAnswer::No);
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt,
              "Estos caracteres no se pueden guardar en el archivo: «Ł».\n"
              "¿Guardar de todos modos, con «?» en su lugar?");
    EXPECT_EQ(dialogs.asked[1].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    dialogs.QueueInput("Łucja");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(Save().value_or(""), "Łucja.dat");
    EXPECT_EQ(Load("Łucja.dat").NatalName, " ?ucja");
}

TEST_F(GuardarNuevaCartaTest, NameThatCannotBeAFileNameIsExplainedAndAskedAgain) {
    dialogs.QueueInput("Ana/Luis");
    dialogs.QueueInput("Ana y Luis");
    EXPECT_EQ(Save().value_or(""), "Ana y Luis.dat");
    ASSERT_EQ(dialogs.asked.size(), 4u);  // the last one confirms the save
    EXPECT_EQ(dialogs.asked[1].prompt, "El nombre del archivo no puede contener «/».");
    EXPECT_EQ(dialogs.asked[1].buttons, MsgButtons::Ok);
    EXPECT_TRUE(dialogs.asked[2].input);
}

TEST_F(GuardarNuevaCartaTest, FailedWriteIsReportedAndNothingIsSaved) {
    flags.ProgramFolder = folder / "no-existe/";
    dialogs.QueueInput("Ana");
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    // The temporary file's name ends in six random characters.
    std::string prompt = dialogs.asked[1].prompt;
    const std::size_t tag = prompt.find(".CARTA.");
    ASSERT_NE(tag, std::string::npos) << prompt;
    prompt.replace(tag + 7, 6, "??????");
    EXPECT_EQ(prompt,
              "No se pudo guardar «Ana.dat»: no se pudo crear el archivo temporal "
              "«.Ana.dat.CARTA.??????» (la carpeta no existe). No se ha guardado nada.");
    EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.asked[1].title, kTitle);
}

TEST_F(GuardarNuevaCartaTest, RecordTheFileCannotHoldIsNotWritten) {
    rec.ZoneMinuteText = "99999";
    dialogs.QueueInput("Ana");
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].prompt, "El huso 3 99999 no se puede guardar en el archivo.");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// Notes go into the file only for a chart made in the entry form whose notes changed.
TEST_F(GuardarNuevaCartaTest, NotesOnlyForANewChartWithChangedNotes) {
    const std::string notes = "Nació en casa.\nPrimera hija.";
    struct Row {
        bool newChart, notesModified, written;
    };
    const Row rows[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    int n = 0;
    for (const Row& row : rows) {
        flags.NewChart = row.newChart;
        flags.NotesModified = row.notesModified;
        const std::string name = "Notas " + std::to_string(++n);
        dialogs.QueueInput(name);
        ASSERT_TRUE(Save(&notes).has_value());
        const std::string bytes = ReadBytes(folder / (name + ".dat"));
        const bool has = bytes.find("NOTAS:\r\n \r\nNaci\xF3 en casa.\r\nPrimera hija.\r\n") !=
                         std::string::npos;
        EXPECT_EQ(has, row.written) << name;
        if (!row.written) {
            EXPECT_EQ(bytes.substr(bytes.size() - 11), "NOTAS:\r\n \r\n") << name;
        }
    }
}

// ---- Replacing a chart keeps what the form does not show ---------------------------------

// The file saved for rec, with notes after it, as an earlier save and later edits left it.
std::string SavedWithNotes(const NatalRecord& r, const std::string& notes) {
    return Utf8ToCp1252(ChartFileText(r, nullptr)).bytes + notes;
}

TEST_F(GuardarNuevaCartaTest, ReplacingKeepsTheNotesOfTheFile) {
    const std::string notes = "Se cas\xF3 en 1995.\r\n5 hermanos\r\n";
    WriteBytes(folder / "Ana Gómez.dat", SavedWithNotes(rec, notes));
    rec.Place = Utf8CutOrPad("La Plata", 30);  // corrected in the form
    dialogs.QueueInput("Ana Gómez");
    dialogs.QueueAnswer(MsgAnswer::Yes);  // replace
    ASSERT_EQ(Save().value_or(""), "Ana Gómez.dat");
    EXPECT_EQ(ReadBytes(folder / "Ana Gómez.dat"), SavedWithNotes(rec, notes));
    EXPECT_EQ(Load("Ana Gómez.dat").Place, Utf8CutOrPad("La Plata", 30));
    EXPECT_TRUE(flags.NewChartSaved);
    // Only the name, the replace question and the confirmation were asked.
    EXPECT_EQ(dialogs.asked.size(), 3u);
}

TEST_F(GuardarNuevaCartaTest, ReplacingKeepsTheZoneSourceLineWhenTheZoneIsTheSame) {
    rec.ZoneFrom.zone = "America/Argentina/Buenos_Aires";
    rec.ZoneFrom.offsetSeconds = -3 * 3600;
    rec.ZoneFrom.abbreviation = "-03";
    WriteBytes(folder / "Ana Gómez.dat", SavedWithNotes(rec, "nota\r\n"));
    const std::string before = ReadBytes(folder / "Ana Gómez.dat");
    dialogs.QueueInput("Ana Gómez");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(Save().has_value());
    EXPECT_EQ(ReadBytes(folder / "Ana Gómez.dat"), before);  // nothing lost, nothing added
    EXPECT_EQ(Load("Ana Gómez.dat").ZoneFrom.zone, "America/Argentina/Buenos_Aires");
}

TEST_F(GuardarNuevaCartaTest, AnotherBirthTimeInTheFileIsReplacedOnlyWhenTheUserSaysSo) {
    // The file got 14:30:00 with "Guardar nueva hora"; the form still has 09:07:30.
    NatalRecord onDisk = rec;
    onDisk.HourText = "14", onDisk.MinuteText = "30", onDisk.SecondText = "00";
    onDisk.NatalHour = 14.5f;
    rec.NatalHour = static_cast<float>(9 + 7 / 60.0 + 30 / 3600.0);
    const std::string file = SavedWithNotes(onDisk, "nota\r\n");
    WriteBytes(folder / "Ana Gómez.dat", file);

    dialogs.QueueInput("Ana Gómez");
    dialogs.QueueAnswer(MsgAnswer::Yes);  // replace
    dialogs.QueueAnswer(MsgAnswer::No);   // but not with the form's time
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[2].prompt,
              "La carta «Ana Gómez.dat» tiene en el disco la hora natal 14:30:00, y esta ficha "
              "09:07:30. ¿Reemplazarla con la hora 09:07:30?");
    EXPECT_EQ(dialogs.asked[2].defaultButton, MsgAnswer::No);
    EXPECT_EQ(ReadBytes(folder / "Ana Gómez.dat"), file);
    EXPECT_FALSE(flags.NewChartSaved);

    dialogs.QueueInput("Ana Gómez");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(Save().has_value());
    EXPECT_EQ(Load("Ana Gómez.dat").TimeText, "09:07:30");
    EXPECT_EQ(ReadBytes(folder / "Ana Gómez.dat"), SavedWithNotes(rec, "nota\r\n"));
}

TEST_F(GuardarNuevaCartaTest, TextThatCannotBeKeptIsNamedBeforeReplacing) {
    // A hand-written file with text after its data and no "NOTAS:" line.
    const std::string file = "1: Ana G\xF3mez\r\n5: 09.0730\r\n9: Buenos Aires\r\nApuntes\r\n";
    WriteBytes(folder / "Ana Gómez.dat", file);
    dialogs.QueueInput("Ana Gómez");
    dialogs.QueueAnswer(MsgAnswer::Yes);
    dialogs.QueueAnswer(MsgAnswer::No);
    EXPECT_FALSE(Save().has_value());
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[2].prompt,
              "«Ana Gómez.dat» no tiene el renglón «NOTAS:», y el texto que sigue a sus datos "
              "natales se perderá. ¿Reemplazarlo de todos modos?");
    EXPECT_EQ(ReadBytes(folder / "Ana Gómez.dat"), file);
}

}  // namespace
}  // namespace natalis
