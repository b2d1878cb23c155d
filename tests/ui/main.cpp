// GUI tests: one QApplication for all of them, offscreen unless a platform is chosen, so the
// tests (and their discovery) need no display. The desktop's data folder (where "Eliminar"
// finds the trash) is a temporary one, so that no test touches the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir dataHome;
    if (dataHome.isValid()) setenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
