// The main window from the keyboard: Alt and a letter opens every menu-bar entry, F10 the
// first menu, the common commands have shortcuts, and the chart list stays when a menu is
// opened and closed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <set>

#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "chart/ui/FrmListaNat.h"
#include "entry/ui/InputData.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        folder.Write("Bruno.dat", ChartText("Bruno"));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([this] { ++ended; });
        window->FormLoad();
        Activate(window.get());
    }
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }
    void Activate(QWidget* w) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    // Loads a chart from the list with the keyboard: every menu-bar entry is then enabled.
    void LoadAna() {
        ASSERT_TRUE(window->flistArchivos()->SelectFile("Ana.dat"));
        QTest::keyClick(window->flistArchivos(), Qt::Key_Return);
        ASSERT_TRUE(window->State().flags.ChartLoaded);
        // The listing shows beside the chart; Escape in it closes it.
        QTest::keyClick(window->frmListaNat(), Qt::Key_Escape);
        Activate(window.get());
    }
    QMenu* OpenPopup() {
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void ClosePopups() {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QApplication::processEvents();
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
    int ended = 0;
};

// Each menu-bar entry marks one letter, no two the same; Alt and that letter opens its
// menu, or runs its command.
TEST_F(Keyboard, AltAndALetterOpensEveryMenuBarEntry) {
    LoadAna();
    std::set<QString> letters;
    for (QAction* entry : window->menuBar()->actions()) {
        SCOPED_TRACE(entry->text().toStdString());
        const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
        ASSERT_FALSE(mnemonic.isEmpty());
        EXPECT_TRUE(letters.insert(mnemonic.toString()).second);
        ASSERT_TRUE(entry->isEnabled());
        const QKeyCombination key = mnemonic[0];
        if (entry->menu()) {
            QTest::keyClick(window.get(), key.key(), key.keyboardModifiers());
            EXPECT_EQ(OpenPopup(), entry->menu());
            ClosePopups();
        } else {
            QSignalSpy triggered(entry, &QAction::triggered);
            QTest::keyClick(window.get(), key.key(), key.keyboardModifiers());
            EXPECT_EQ(triggered.count(), 1);
            ClosePopups();
            if (QWidget* other = QApplication::activeWindow(); other != window.get()) {
                if (other) other->close();
                Activate(window.get());
            }
            window->ReiniciarPredictivo();
        }
    }
    // The behaviour's ten entries, then PREFERENCIAS and COMPARAR.
    EXPECT_EQ(letters.size(), 12u);
}

// After a chart is loaded the listing shows beside it while the main window keeps the
// keyboard: F10 and Alt with a letter answer at once, and the listing stays up.
TEST_F(Keyboard, TheMainWindowKeepsTheKeyboardAfterALoad) {
    for (const char* file : {"Ana.dat", "Bruno.dat"}) {
        SCOPED_TRACE(file);
        window->mnuBuscarFiles_Click();
        ASSERT_TRUE(window->flistArchivos()->SelectFile(file));
        QTest::keyClick(window->flistArchivos(), Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_TRUE(window->State().flags.ChartLoaded);
        EXPECT_TRUE(window->frmListaNat()->isVisible());
        EXPECT_EQ(QApplication::activeWindow(), window.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        EXPECT_EQ(OpenPopup(), window->Menu("TitleMnuArchivo"));
        ClosePopups();
        EXPECT_TRUE(window->frmListaNat()->isVisible());
    }
    // Its own command still gives the listing the keyboard.
    window->frmListaNat()->close();
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window->frmListaNat());
}

TEST_F(Keyboard, F10OpensTheFirstMenu) {
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_EQ(OpenPopup(), window->Menu("TitleMnuArchivo"));
    ClosePopups();
}

TEST_F(Keyboard, ShortcutsReachTheirCommands) {
    auto* commands = window->findChild<ChartCommands*>("ChartCommands");
    ASSERT_NE(commands, nullptr);
    LoadAna();
    // Ctrl+L: the natal listing.
    window->frmListaNat()->close();
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(window->frmListaNat()->isVisible());
    // Ctrl+O from the listing window, which has the focus: the chart list.
    QTest::keyClick(window->frmListaNat(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(window->flistArchivos()->isVisible());
    Activate(window.get());
    // Ctrl+N: the entry form, empty.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(commands->Ficha(), nullptr);
    EXPECT_TRUE(commands->Ficha()->isVisible());
    commands->Ficha()->close();
    Activate(window.get());
    // Ctrl+S on a chart not yet saved: the file name is asked.
    window->State().flags.NewChart = true;
    window->GraficarNatal();
    Activate(window.get());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_EQ(dialogs.asked.back().prompt, "Escriba un nombre para este archivo");
    // Ctrl+Q: "Salir".
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(ended, 1);
}

// Opening a menu and closing it again, with the mouse or the keyboard, leaves the chart list
// shown and focused; moving the focus to another control hides it.
TEST_F(Keyboard, ChartListStaysWhenAMenuOpensAndCloses) {
    ChartList* list = window->flistArchivos();
    ASSERT_TRUE(list->hasFocus());
    QMenu* archivo = window->Menu("TitleMnuArchivo");
    // With the mouse: a click on the title, then Escape.
    const QRect title = window->menuBar()->actionGeometry(window->Action("TitleMnuArchivo"));
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, {}, title.center());
    ASSERT_EQ(OpenPopup(), archivo);
    QTest::keyClick(archivo, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(list->isVisible());
    QTest::keyClick(window->menuBar(), Qt::Key_Escape);  // the menu bar lets go
    QApplication::processEvents();
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->hasFocus());
    // With the keyboard: F10, then Escape twice.
    QTest::keyClick(window.get(), Qt::Key_F10);
    ASSERT_EQ(OpenPopup(), archivo);
    QTest::keyClick(archivo, Qt::Key_Escape);
    QTest::keyClick(window->menuBar(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(list->isVisible());
    // The filter box is part of the list; another control is not.
    window->Browser()->Filter()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(list->isVisible());
    window->txtFecha()->parentWidget()->show();
    window->txtFecha()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(list->isVisible());
}

}  // namespace
}  // namespace natalis
