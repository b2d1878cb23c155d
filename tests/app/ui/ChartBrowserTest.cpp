// The chart browser: the name, date and place read from each file, sorting by any column,
// the filter that narrows the list as one types, unreadable files marked, and files read
// again when they change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <thread>

#include "app/model/FiltroCartas.h"
#include "app/ui/ChartBrowser.h"
#include "tests/ui/ChartFolder.h"

namespace natalis {
namespace {

// A chart file with a given name (Windows-1252), date and place.
std::string Chart(const std::string& name, int day, int month, int year, const std::string& place) {
    std::string text = ChartText(name);
    const auto put = [&text](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    put("2: 5\r\n", "2: " + std::to_string(day) + "\r\n");
    put("3; 3\r\n", "3; " + std::to_string(month) + "\r\n");
    put("4: 1970\r\n", "4: " + std::to_string(year) + "\r\n");
    put("9: Buenos Aires                  ", "9: " + place);
    return text;
}

QStringList Column(const ChartList* list, int column) {
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, column).data().toString();
    return out;
}

class Browser : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("ana.dat", Chart("Ana N\xFA\xF1"
                                      "ez",
                                      5, 3, 1970, "C\xF3rdoba"));
        folder.Write("Bruno.dat", Chart("Bruno Olmos", 12, 7, -500, "Atenas"));
        folder.Write("carla.dat", Chart("Carla \xC1lvarez", 1, 1, 2001, "Madrid"));
        folder.Write("roto.dat", ChartText("Roto", "0930"));  // no point in the time line
        folder.Write("notas.txt", "no es una carta");
        browser.resize(500, 300);
        browser.show();
        browser.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
        browser.Refresh(folder.Path());
    }

    ChartFolder folder;
    ChartBrowser browser;
};

TEST_F(Browser, EachFileWithItsNameDateAndPlace) {
    const ChartList* list = browser.List();
    EXPECT_EQ(list->objectName(), "flistArchivos");
    EXPECT_EQ(Column(list, ChartListModel::Archivo),
              (QStringList{"ana.dat", "Bruno.dat", "carla.dat", "roto.dat"}));
    EXPECT_EQ(Column(list, ChartListModel::Nombre),
              (QStringList{"Ana Núñez", "Bruno Olmos", "Carla Álvarez", "(archivo ilegible)"}));
    EXPECT_EQ(Column(list, ChartListModel::Fecha),
              (QStringList{"5 3 1970", "12 7 -500", "1 1 2001", ""}));
    EXPECT_EQ(Column(list, ChartListModel::Lugar),
              (QStringList{"Córdoba", "Atenas", "Madrid", ""}));
    const QStringList titles = {"Archivo", "Nombre", "Fecha natal", "Lugar"};
    for (int c = 0; c < ChartListModel::kColumns; ++c) {
        EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    }
}

// An unreadable file stays in the list, marked: its name column says so in italics, in a
// colour of its own, with a tooltip that says choosing it explains why.
TEST_F(Browser, UnreadableFileIsListedAndMarked) {
    const QAbstractItemModel* m = browser.List()->model();
    const QModelIndex roto = m->index(3, ChartListModel::Nombre);
    EXPECT_EQ(roto.data().toString(), "(archivo ilegible)");
    EXPECT_TRUE(roto.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(roto.data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(roto.data(Qt::ToolTipRole).toString().isEmpty());
    const QModelIndex ana = m->index(0, ChartListModel::Nombre);
    EXPECT_FALSE(ana.data(Qt::FontRole).isValid());
    EXPECT_FALSE(ana.data(Qt::ForegroundRole).isValid());
}

TEST_F(Browser, SortsByEveryColumn) {
    ChartList* list = browser.List();
    struct Row {
        int column;
        Qt::SortOrder order;
        QStringList files;
    };
    const Row rows[] = {
        // Names and places compared without accents; the unreadable file after the others.
        {ChartListModel::Nombre,
         Qt::AscendingOrder,
         {"ana.dat", "Bruno.dat", "carla.dat", "roto.dat"}},
        {ChartListModel::Fecha,
         Qt::AscendingOrder,
         {"Bruno.dat", "ana.dat", "carla.dat", "roto.dat"}},  // -500 before 1970
        {ChartListModel::Fecha,
         Qt::DescendingOrder,
         {"roto.dat", "carla.dat", "ana.dat", "Bruno.dat"}},
        {ChartListModel::Lugar,
         Qt::AscendingOrder,
         {"Bruno.dat", "ana.dat", "carla.dat", "roto.dat"}},  // Atenas, Córdoba, Madrid
        {ChartListModel::Archivo,
         Qt::DescendingOrder,
         {"roto.dat", "carla.dat", "Bruno.dat", "ana.dat"}},
    };
    for (const Row& r : rows) {
        list->sortByColumn(r.column, r.order);
        EXPECT_EQ(list->FileNames(), r.files) << r.column;
    }
    // Clicking a column's title sorts by it.
    QTest::mouseClick(
        list->header()->viewport(), Qt::LeftButton, {},
        QPoint(list->header()->sectionViewportPosition(ChartListModel::Lugar) + 5, 5));
    EXPECT_EQ(list->header()->sortIndicatorSection(), ChartListModel::Lugar);
}

TEST_F(Browser, FilterNarrowsAsOneTypesWithoutCaseOrAccents) {
    while (browser.Model()->ReadAhead(100)) {
    }
    QLineEdit* filter = browser.Filter();
    filter->setFocus();
    struct Row {
        const char* typed;
        QStringList files;
    };
    const Row rows[] = {
        {"n", {"ana.dat", "Bruno.dat"}},  // Ana; Bruno and Atenas
        {"nu", {"ana.dat"}},              // Núñez
        {"NÚÑ", {"ana.dat"}},
        {"alv", {"carla.dat"}},          // Álvarez
        {"madrid 2001", {"carla.dat"}},  // words anywhere
        {"-500", {"Bruno.dat"}},         // the date
        {"roto", {"roto.dat"}},          // the file name
        {"zzz", {}},
        {"", {"ana.dat", "Bruno.dat", "carla.dat", "roto.dat"}},
    };
    for (const Row& r : rows) {
        filter->selectAll();
        QTest::keyClick(filter, Qt::Key_Backspace);
        QTest::keyClicks(filter, QString::fromUtf8(r.typed));
        EXPECT_EQ(browser.List()->FileNames(), r.files) << r.typed;
    }
}

// Typing never waits for the files to be read: a file not read yet is matched by its name
// alone, and the rows shown are refined as the idle read-ahead reads the files.
TEST_F(Browser, FilterUsesWhatIsReadAndRefinesAsFilesAreRead) {
    ChartListModel* model = browser.Model();
    browser.Filter()->setText("alv");  // only Carla Álvarez's name holds it
    EXPECT_TRUE(browser.List()->FileNames().isEmpty());
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_FALSE(model->IsRead(row)) << row;  // the filter read nothing
    browser.Filter()->setText("rot");             // a file name: shown at once
    EXPECT_EQ(browser.List()->FileNames(), QStringList{"roto.dat"});
    browser.Filter()->setText("alv");
    QTRY_COMPARE_WITH_TIMEOUT(browser.List()->FileNames(), QStringList{"carla.dat"}, 5000);
    browser.Filter()->setText("madrid 2001");
    EXPECT_EQ(browser.List()->FileNames(), QStringList{"carla.dat"});
}

TEST(ChartListModel, ReadAheadTellsWhenAFileReadMatchesBeyondItsName) {
    ChartFolder folder;
    ASSERT_TRUE(folder.dir.isValid());
    folder.Write("a.dat", ChartText("Ana"));
    folder.Write("b.dat", ChartText("Bruno"));
    ChartListModel model;
    model.SetFolder(folder.Path());
    const std::string filtro = PlegarTexto("bruno");
    EXPECT_FALSE(model.Matches(1, filtro));  // not read: "b.dat" alone
    bool newMatches = false;
    EXPECT_TRUE(model.ReadAhead(1, filtro, &newMatches));
    EXPECT_FALSE(newMatches);  // "a.dat", Ana
    EXPECT_FALSE(model.ReadAhead(1, filtro, &newMatches));
    EXPECT_TRUE(newMatches);
    EXPECT_TRUE(model.Matches(1, filtro));
}

// After each keystroke the first match is current, so Enter chooses it.
TEST_F(Browser, EnterInTheFilterChoosesTheFirstMatch) {
    QSignalSpy chosen(&browser, &ChartBrowser::chosen);
    QTest::keyClicks(browser.Filter(), "car");
    EXPECT_EQ(browser.List()->CurrentFile(), "carla.dat");
    QTest::keyClick(browser.Filter(), Qt::Key_Return);
    EXPECT_EQ(chosen.count(), 1);
    // The arrows move in the list.
    browser.Filter()->clear();
    browser.List()->setCurrentRow(0);
    QTest::keyClick(browser.Filter(), Qt::Key_Down);
    EXPECT_EQ(browser.List()->CurrentFile(), "Bruno.dat");
}

// With a chart loaded before (its row current and highlighted), Enter after filtering chooses
// the match highlighted, never a row the filter hid nor one that is current unhighlighted.
TEST_F(Browser, EnterInAFilteredListChoosesTheHighlightedMatch) {
    struct Row {
        const char* loaded;  // current before typing
        const char* typed;
        const char* chosen;
    };
    const Row rows[] = {
        {"Bruno.dat", "car", "carla.dat"},   // the loaded chart filtered out
        {"roto.dat", "ana", "ana.dat"},      // the last row filtered out
        {"ana.dat", "madrid", "carla.dat"},  // a match by place
        {"carla.dat", "car", "carla.dat"},   // the loaded chart still a match stays
    };
    for (const Row& r : rows) {
        browser.Filter()->clear();
        ASSERT_TRUE(browser.List()->SelectFile(r.loaded)) << r.loaded;
        QSignalSpy chosen(&browser, &ChartBrowser::chosen);
        QString atEnter;
        QObject::connect(&browser, &ChartBrowser::chosen, &browser,
                         [&] { atEnter = browser.List()->CurrentFile(); });
        browser.Filter()->setFocus();
        QTest::keyClicks(browser.Filter(), r.typed);
        const QModelIndex current = browser.List()->currentIndex();
        ASSERT_TRUE(current.isValid()) << r.typed;
        EXPECT_TRUE(browser.List()->selectionModel()->isRowSelected(current.row(), QModelIndex()))
            << r.typed;
        QTest::keyClick(browser.Filter(), Qt::Key_Return);
        EXPECT_EQ(chosen.count(), 1) << r.typed;
        EXPECT_EQ(atEnter, r.chosen) << r.loaded << " " << r.typed;
        QObject::disconnect(&browser, &ChartBrowser::chosen, &browser, nullptr);
    }
}

TEST_F(Browser, TypingInTheListTypesIntoTheFilter) {
    browser.List()->setFocus();
    QTest::keyClicks(browser.List(), "bru");
    EXPECT_EQ(browser.Filter()->text(), "bru");
    EXPECT_TRUE(browser.Filter()->hasFocus());
    EXPECT_EQ(browser.List()->FileNames(), QStringList{"Bruno.dat"});
}

TEST_F(Browser, EscapeClearsTheFilterThenLeaves) {
    QSignalSpy escaped(&browser, &ChartBrowser::escaped);
    QTest::keyClicks(browser.Filter(), "ana");
    QTest::keyClick(browser.Filter(), Qt::Key_Escape);
    EXPECT_TRUE(browser.Filter()->text().isEmpty());
    EXPECT_EQ(escaped.count(), 0);
    QTest::keyClick(browser.Filter(), Qt::Key_Escape);
    EXPECT_EQ(escaped.count(), 1);
    QTest::keyClick(browser.List(), Qt::Key_Escape);
    EXPECT_EQ(escaped.count(), 2);
}

TEST_F(Browser, AChangedFileIsReadAgainAndNewFilesAppear) {
    EXPECT_EQ(Column(browser.List(), ChartListModel::Nombre)[1], "Bruno Olmos");
    folder.Write("Bruno.dat", Chart("Bruno Olmos Ibarra", 12, 7, -500, "Atenas"));
    folder.Write("Dario.dat", Chart("Darío", 2, 2, 1950, "Lima"));
    browser.Refresh(folder.Path());
    EXPECT_EQ(Column(browser.List(), ChartListModel::Nombre)[1], "Bruno Olmos Ibarra");
    EXPECT_TRUE(browser.List()->FileNames().contains("Dario.dat"));
    // Files the program writes or deletes go to, or leave, their places at once.
    browser.Model()->RemoveFile("ana.dat");
    folder.Write("aaron.dat", Chart("Aarón", 1, 1, 1900, "Roma"));
    browser.Model()->AddFile("aaron.dat");
    EXPECT_EQ(browser.List()->FileNames(),
              (QStringList{"aaron.dat", "Bruno.dat", "carla.dat", "Dario.dat", "roto.dat"}));
}

TEST_F(Browser, FilesAreReadWhileTheProgramWaits) {
    EXPECT_TRUE(browser.Model()->ReadAhead(0));  // listed, not yet read
    for (int i = 0; i < 20 && browser.Model()->ReadAhead(0); ++i) QApplication::processEvents();
    EXPECT_FALSE(browser.Model()->ReadAhead(0));
}

TEST_F(Browser, ColumnTitlesFitTheirColumns) {
    const QHeaderView* h = browser.List()->header();
    for (int c = 0; c < ChartListModel::kColumns; ++c) {
        EXPECT_GE(h->sectionSize(c), h->sectionSizeHint(c)) << c;
    }
}

}  // namespace
}  // namespace natalis
