// Saves under stress, with real processes: a writer killed at random points of each write
// path never leaves a chart partial or a temporary copy readable by others, and its leftovers
// go at the next start; two copies of the program saving at once never report a save whose
// text is then lost.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/Notas.h"
#include "app/model/NuevaHora.h"
#include "app/model/SafeFileWrite.h"
#include "app/model/UserPlaces.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

NatalRecord Record(const std::string& name) {
    NatalRecord rec;
    rec.NatalName = name;
    rec.NatalDay = 5, rec.NatalMonth = 3, rec.NatalYear = 1970;
    rec.HourText = "9", rec.MinuteText = "7", rec.SecondText = "30";
    rec.NatalHour = static_cast<float>(9 + 7 / 60.0 + 30 / 3600.0);
    rec.ZoneHourText = "3", rec.ZoneMinuteText = "00", rec.ZoneHours = 3;
    rec.LatDegText = "34", rec.LatMinText = "36", rec.LatHemisphere = "S";
    rec.LonDegText = "58", rec.LonMinText = "27", rec.LonHemisphere = "W";
    rec.Place = Utf8CutOrPad("Buenos Aires", 30);
    return rec;
}

std::string ChartBytes(const std::string& name) {
    return Utf8ToCp1252(ChartFileText(Record(name), nullptr)).bytes;
}

const std::string kNotes = "Notas privadas de la consulta.\r\n";

Place PlaceNamed(const std::string& name) {
    Place p;
    p.name = name;
    p.country = "Argentina";
    p.latitudeDeg = -37.26;
    p.longitudeDeg = -56.97;
    p.zone = "America/Argentina/Buenos_Aires";
    return p;
}

// One write path: what the folder holds first, the write a child repeats (i counts its
// writes), and whether a content is one the path can leave (old or new, never partial).
struct WritePath {
    const char* what;
    const char* file;
    std::string initial;
    std::function<void(const std::string& folder, int i)> write;
    std::function<bool(const std::string& bytes)> complete;
};

std::vector<WritePath> Paths() {
    const std::string chart = ChartBytes("Ana") + kNotes;
    std::string hour1 = chart, hour2 = chart;
    hour2.replace(hour2.find("5: 09.0730"), 10, "5: 14.3000");
    std::vector<WritePath> paths;
    paths.push_back({"new birth time", "Ana.dat", chart,
                     [](const std::string& folder, int i) {
                         GuardarNuevaHora(folder, "Ana.dat", i % 2 ? "14 30" : "9 7 30");
                     },
                     [=](const std::string& b) { return b == hour1 || b == hour2; }});
    paths.push_back({"notes", "Ana.dat", chart,
                     [](const std::string& folder, int) {
                         const std::string now = ReadBytes(JoinPath(folder, "Ana.dat"));
                         GuardarNotas(folder, "Ana.dat", now, now + "otra nota\r\n");
                     },
                     [=](const std::string& b) {
                         if (b.compare(0, chart.size(), chart) != 0) return false;
                         const std::string line = "otra nota\r\n";
                         for (std::size_t at = chart.size(); at < b.size(); at += line.size())
                             if (b.compare(at, line.size(), line) != 0) return false;
                         return (b.size() - chart.size()) % line.size() == 0;
                     }});
    const std::string ana = ChartBytes("Ana") + kNotes, bruno = ChartBytes("Ana Bruno") + kNotes;
    paths.push_back({"chart replaced", "Ana.dat", chart,
                     [](const std::string& folder, int i) {
                         WriteOptions options;
                         options.replaceExisting = true;
                         options.keepNotes = true;
                         WriteNewChartFile(
                             folder, "Ana.dat",
                             ChartFileText(Record(i % 2 ? "Ana Bruno" : "Ana"), nullptr), options);
                     },
                     [=](const std::string& b) { return b == ana || b == bruno; }});
    paths.push_back({"user places", kUserPlacesFileName,
                     WithUserPlace("", PlaceNamed("Lugar inicial")),
                     [](const std::string& folder, int i) {
                         SaveUserPlace(folder, PlaceNamed("Lugar " + std::to_string(i)));
                     },
                     [](const std::string& b) {
                         const UserPlacesRead r = ParseUserPlaces(b, "lugares.txt");
                         return !b.empty() && b.back() == '\n' && r.warnings.empty() &&
                                !r.places.empty() && r.places[0].name == "Lugar inicial";
                     }});
    return paths;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    return names;
}

TEST(SaveRaces, AWriterKilledAnywhereLeavesEveryChartWholeAndNothingReadable) {
    std::mt19937 random(20261210);  // fixed: a failure can be run again
    std::uniform_int_distribution<int> delayUs(0, 4000);
    constexpr int kKills = 200;
    for (const WritePath& path : Paths()) {
        TempFolder folder;
        WriteBytes(folder / path.file, path.initial);
        ASSERT_EQ(::chmod((folder / path.file).c_str(), 0600), 0);  // private notes
        int leftovers = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (int i = 0;; ++i) path.write(folder.path(), i);
            }
            ::usleep(static_cast<useconds_t>(delayUs(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);

            const std::string bytes = ReadBytes(folder / path.file);
            ASSERT_TRUE(path.complete(bytes)) << path.what << ", kill " << kill << ":\n" << bytes;
            for (const std::string& name : Names(folder.path())) {
                struct stat st;
                ASSERT_EQ(::lstat((folder / name).c_str(), &st), 0);
                EXPECT_EQ(st.st_mode & 077, 0u) << path.what << ": " << name << " readable";
                if (name != path.file) ++leftovers;
            }
        }
        // At the next start, a day later, the program's leftovers are removed, all of them.
        const int seen = static_cast<int>(Names(folder.path()).size()) - 1;
        EXPECT_EQ(RemoveOwnLeftovers(folder.path(), std::time(nullptr) + 2 * 24 * 3600), seen)
            << path.what;
        EXPECT_EQ(Names(folder.path()), std::vector<std::string>{path.file}) << path.what;
        RecordProperty(std::string(path.what) + " leftovers seen", leftovers);
    }
}

// Two processes released at once; each writes its result ('1' saved, '0' refused) to a pipe.
struct Pair {
    bool saved[2] = {false, false};
};
Pair RunPair(const std::function<bool(int who)>& save) {
    int go[2], result[2][2];
    Pair pair;
    if (::pipe(go) != 0 || ::pipe(result[0]) != 0 || ::pipe(result[1]) != 0) return pair;
    pid_t children[2];
    for (int who = 0; who < 2; ++who) {
        children[who] = ::fork();
        if (children[who] == 0) {
            ::close(go[1]);
            char c;
            while (::read(go[0], &c, 1) > 0) {
            }
            const char answer = save(who) ? '1' : '0';
            if (::write(result[who][1], &answer, 1) != 1) ::_exit(2);
            ::_exit(0);
        }
    }
    ::close(go[0]);
    ::close(go[1]);  // both start now
    for (int who = 0; who < 2; ++who) {
        char c = '0';
        ::close(result[who][1]);
        if (::read(result[who][0], &c, 1) == 1) pair.saved[who] = c == '1';
        ::close(result[who][0]);
        ::waitpid(children[who], nullptr, 0);
    }
    return pair;
}

TEST(SaveRaces, TwoCopiesSavingAtOnceNeverLoseASavedText) {
    constexpr int kRounds = 100;
    TempFolder folder;
    int bothNotes = 0;
    for (int round = 0; round < kRounds; ++round) {
        // The notes of one chart, opened by both copies and saved at once: the one saved is on
        // disk; the other is refused (saving would undo it), never reported saved and lost.
        const std::string base = ChartBytes("Ana") + kNotes;
        WriteBytes(folder / "Ana.dat", base);
        const std::string ours[2] = {base + "de la copia 1\r\n", base + "de la copia 2\r\n"};
        const Pair notes = RunPair(
            [&](int who) { return GuardarNotas(folder.path(), "Ana.dat", base, ours[who]).ok; });
        const std::string onDisk = ReadBytes(folder / "Ana.dat");
        for (int who = 0; who < 2; ++who) {
            if (notes.saved[who]) {
                EXPECT_EQ(onDisk, ours[who]) << "round " << round;
            }
        }
        EXPECT_TRUE(notes.saved[0] || notes.saved[1]) << "round " << round;
        if (notes.saved[0] && notes.saved[1]) ++bothNotes;

        // A new chart under one name: one is saved, the other told the name is taken.
        const std::string name = "Nueva " + std::to_string(round) + ".dat";
        const std::string texts[2] = {ChartFileText(Record("Copia uno"), nullptr),
                                      ChartFileText(Record("Copia dos"), nullptr)};
        const Pair created = RunPair(
            [&](int who) { return WriteNewChartFile(folder.path(), name, texts[who], {}).ok(); });
        EXPECT_NE(created.saved[0], created.saved[1]) << "round " << round;
        for (int who = 0; who < 2; ++who) {
            if (created.saved[who]) {
                EXPECT_EQ(ReadBytes(folder / name), Utf8ToCp1252(texts[who]).bytes);
            }
        }

        // Places added at once: both are in the file.
        const Pair places = RunPair([&](int who) {
            return SaveUserPlace(folder.path(), PlaceNamed("Lugar " + std::to_string(round) + "-" +
                                                           std::to_string(who)))
                .ok;
        });
        const UserPlacesRead read = ReadUserPlaces(folder.path());
        std::set<std::string> names;
        for (const Place& p : read.places) names.insert(p.name);
        for (int who = 0; who < 2; ++who) {
            EXPECT_TRUE(places.saved[who]) << "round " << round;
            EXPECT_TRUE(names.count("Lugar " + std::to_string(round) + "-" + std::to_string(who)))
                << "round " << round;
        }
    }
    // Both notes saves can succeed only one after the other (the second from the first's
    // file): then the second's text, which starts from the base, must have been refused.
    EXPECT_EQ(bothNotes, 0);
    // No temporary file is left by writes that ended.
    for (const std::string& n : Names(folder.path())) EXPECT_NE(n[0], '.') << n;
}

}  // namespace
}  // namespace natalis
