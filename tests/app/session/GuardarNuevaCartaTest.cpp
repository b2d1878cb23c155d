// Saving a new chart: the name prompt, the replace question, unstorable characters, names
// that cannot be file names and failed writes, with scripted answers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/ui/ScriptedDialogs.h"
#include "app/session/GuardarNuevaCarta.h"
#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "tests/app/TempFolder.h"

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
    EXPECT_EQ(dialogs.asked[1].prompt,
              "No se pudo guardar «Ana.dat»: no se pudo crear el archivo temporal "
              "«.Ana.dat.tmp» (la carpeta no existe). No se ha guardado nada.");
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

}  // namespace
}  // namespace natalis
