// The message boxes shown on screen: they belong to the window that raised them, Enter
// presses their default button, and their texts are legible. After an entry-form check
// message the focus is back in the form's box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/ui/QtDialogs.h"
#include "chart/ColorContrast.h"
#include "entry/ui/InputData.h"

namespace natalis {
namespace {

// Makes w the active window (a window over its owner counts as active with it for Qt Test's
// own wait, so this waits for the application's active window itself).
bool Activate(QWidget* w) {
    for (int i = 0; i < 50 && QApplication::activeWindow() != w; ++i) {
        w->activateWindow();
        QTest::qWait(5);
    }
    return QApplication::activeWindow() == w;
}

Color ToColor(const QColor& c) { return static_cast<Color>(c.rgb() & 0xFFFFFF); }

// Runs look on the message box as soon as it shows, then answers it with key. The box is
// looked for every few milliseconds, and closed in any case, so a test never hangs on it.
void WhenTheBoxShows(std::function<void(QMessageBox*)> look, int key) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, look, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box && ++*tries < 400) return;
        poll->stop();
        poll->deleteLater();
        if (!box) return;
        look(box);
        QTest::keyClick(box, static_cast<Qt::Key>(key));
        if (box->isVisible()) box->done(0);
    });
    poll->start();
}

class ShownBoxes : public ::testing::Test {
  protected:
    void SetUp() override {
        main.resize(400, 300);
        main.show();
        ASSERT_TRUE(Activate(&main));
    }
    QWidget main;
    QtDialogs dialogs{&main};
};

TEST_F(ShownBoxes, EnterPressesTheDefaultButtonAndEscapeTheWayOut) {
    struct Row {
        MsgButtons buttons;
        MsgAnswer defaultAnswer;
        int key;
        const char* defaultText;
        MsgAnswer answer;
    };
    const Row rows[] = {
        {MsgButtons::YesNo, MsgAnswer::No, Qt::Key_Return, "No", MsgAnswer::No},
        {MsgButtons::YesNo, MsgAnswer::Yes, Qt::Key_Return, "Sí", MsgAnswer::Yes},
        {MsgButtons::YesNo, MsgAnswer::Yes, Qt::Key_Escape, "Sí", MsgAnswer::No},
        {MsgButtons::Ok, MsgAnswer::Ok, Qt::Key_Escape, "Aceptar", MsgAnswer::Ok},
    };
    for (const Row& r : rows) {
        QString shownDefault;
        WhenTheBoxShows([&](QMessageBox* box) { shownDefault = box->defaultButton()->text(); },
                        r.key);
        EXPECT_EQ(
            dialogs.MsgBox("¿Seguro?", r.buttons, MsgIcon::Question, "Prueba", r.defaultAnswer),
            r.answer);
        EXPECT_EQ(shownDefault.toStdString(), r.defaultText);
    }
}

TEST_F(ShownBoxes, TextsAreLegible) {
    double ratio = 0;
    WhenTheBoxShows(
        [&](QMessageBox* box) {
            const QPalette p = box->palette();
            ratio = ContrastRatio(ToColor(p.color(QPalette::WindowText)),
                                  ToColor(p.color(QPalette::Window)));
        },
        Qt::Key_Return);
    dialogs.MsgBox("Texto", MsgButtons::Ok, MsgIcon::None, "Prueba");
    EXPECT_GE(ratio, kMinTextContrast);
}

// A check message of the entry form belongs to the form, not to the main window: when it is
// answered the form is still in front, with the box to correct focused.
TEST_F(ShownBoxes, AfterACheckMessageTheFocusIsInTheFormsBox) {
    NatalRecord rec;
    ChartFlags flags;
    auto* form = new InputData(
        rec, flags, dialogs, [] {}, &main);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(Activate(form));
    form->Caja(EntryField::TextNombre)->setFocus();
    QWidget* owner = nullptr;
    WhenTheBoxShows([&](QMessageBox* box) { owner = box->parentWidget(); }, Qt::Key_Return);
    EXPECT_FALSE(form->AceptarDatos());  // the day is missing
    EXPECT_EQ(owner, form);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), form);
    EXPECT_EQ(QApplication::focusWidget(), form->Caja(EntryField::TextDia));
    delete form;
}

}  // namespace
}  // namespace natalis
