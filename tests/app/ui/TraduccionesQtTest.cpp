// Qt's Spanish catalogue: the standard buttons and dialogs speak Spanish once it is loaded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include "app/ui/TraduccionesQt.h"

namespace natalis {
namespace {

// Strips the mnemonic mark, as the button shows its text.
QString Shown(QString text) { return text.remove('&'); }

TEST(TraduccionesQt, StandardButtonsAndDialogsSpeakSpanish) {
    QTranslator* translator = CargarTraduccionesQt(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_es.qm (Debian qt6-translations-l10n) not found";
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Save);
        // Qt's catalogue for Spanish (qtbase_es.ts).
        EXPECT_EQ(Shown(box.button(QDialogButtonBox::Cancel)->text()), "Cancelar");
        EXPECT_EQ(Shown(box.button(QDialogButtonBox::Yes)->text()), "Sí");
        EXPECT_EQ(Shown(box.button(QDialogButtonBox::Save)->text()), "Guardar");

        // The file chooser drawn by Qt itself (no desktop's own dialog offscreen).
        QFileDialog chooser(nullptr, "Elegir", QDir::tempPath());
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        QStringList labels;
        for (const QLabel* l : chooser.findChildren<QLabel*>()) labels << Shown(l->text());
        EXPECT_FALSE(labels.contains("Look in:")) << labels.join("|").toStdString();
        EXPECT_FALSE(labels.contains("File name:")) << labels.join("|").toStdString();
        EXPECT_TRUE(labels.contains("Nombre de fichero:")) << labels.join("|").toStdString();
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
    // Without it the same button is Qt's English again: the catalogue made the difference.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(Shown(box.button(QDialogButtonBox::Cancel)->text()), "Cancel");
}

}  // namespace
}  // namespace natalis
