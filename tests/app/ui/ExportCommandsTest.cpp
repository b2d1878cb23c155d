// Printing, exporting and copying from the main window, driven offscreen: the save dialog and
// the print preview are replaced by scripted answers, the files looked at as they are.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <memory>

#include "app/session/InformeCompleto.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/PintarInformeCompleto.h"
#include "astro/SwissEphemeris.h"
#include "chart/ui/FrmListaNat.h"
#include "predictive/ui/ControlPredictivo.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ExternalTools.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

std::string Texto(const std::vector<std::string>& lineas) {
    std::string t;
    for (const std::string& l : lineas) t += l + "\n";
    return t;
}

class WindowExport : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([] {});
        commands = window->findChild<ExportCommands*>("ExportCommands");
        ASSERT_NE(commands, nullptr);
        commands->SetElegirArchivo(
            [this](const QString& sugerido,
                   const QStringList& filtros) -> std::optional<ExportCommands::ArchivoElegido> {
                ofrecido = sugerido;
                filtrosOfrecidos = filtros;
                return respuesta;
            });
    }
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }

    // Pages of the report of the chart on display on an A4 sheet (595 x 842 points).
    int PaginasEnA4() const {
        return static_cast<int>(
            MedirInformeCompleto(595, 842, ArmarInformeCompleto(window->State()))
                .colocacion.paginas.size());
    }

    void Mostrar() {
        window->FormLoad();
        window->flistArchivos()->setCurrentRow(0);
        window->flistArchivos_Click();
        ASSERT_TRUE(window->State().flags.ChartLoaded);
    }
    void Progresar() {
        auto* c = window->findChild<ControlPredictivo*>("ControlPredictivo");
        ASSERT_NE(c, nullptr);
        c->mnuProg_Click(41);
        window->txtFecha()->setText("1 1 2030");
        c->btnOK_Click(0);
        ASSERT_TRUE(window->State().pred.HayProgresion);
    }
    QString Out(const QString& name) const { return QDir(out.path()).filePath(name); }

    ChartFolder folder;
    QTemporaryDir out;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
    ExportCommands* commands = nullptr;
    std::optional<ExportCommands::ArchivoElegido> respuesta;
    QString ofrecido;
    QStringList filtrosOfrecidos;
};

TEST_F(WindowExport, EntriesWaitForAChartAndCarryTheirKeys) {
    window->FormLoad();
    EXPECT_FALSE(window->Action("mnuImprimir")->isEnabled());
    EXPECT_FALSE(window->Action("mnuExportar")->isEnabled());
    EXPECT_EQ(window->Action("mnuImprimir")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(commands->AccionCopiar()->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(window->Action("mnuImprimir")->shortcut().toString(), "Ctrl+P");
    EXPECT_EQ(commands->AccionCopiar()->shortcut().toString(), "Ctrl+C");
    // Nothing to export yet: the command does nothing and the dialog is not offered.
    commands->mnuExportar_Click();
    EXPECT_TRUE(ofrecido.isEmpty());
    Mostrar();
    EXPECT_TRUE(window->Action("mnuImprimir")->isEnabled());
    EXPECT_TRUE(window->Action("mnuExportar")->isEnabled());
}

TEST_F(WindowExport, ExportOffersTheChartsNameInTheChartFolderAndWritesTheChosenType) {
    Mostrar();
    const QSize size = window->Surface().TargetSize();
    const QStringList filtros = ExportCommands::Filtros();
    ASSERT_EQ(filtros.size(), 5);
    for (const QString& filtro : filtros) {
        SCOPED_TRACE(filtro.toStdString());
        const QString base = Out("salida" + QString::number(filtros.indexOf(filtro)));
        respuesta = ExportCommands::ArchivoElegido{base, filtro};
        window->Action("mnuExportar")->trigger();
        EXPECT_EQ(ofrecido, QString::fromStdString(folder.Path()) + "Ana.pdf");
        EXPECT_EQ(filtrosOfrecidos, filtros);
        EXPECT_TRUE(dialogs.asked.empty());
        const bool papel = filtro.contains("papel") || filtro.contains("PDF");
        if (filtro.contains("PDF")) {
            QFile f(base + ".pdf");
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_TRUE(f.readAll().startsWith("%PDF-"));
        } else if (filtro.contains("SVG")) {
            QFile f(base + ".svg");
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&f);
            QString viewBox, fondo;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == QLatin1String("svg"))
                    viewBox = xml.attributes().value("viewBox").toString();
                if (xml.name() == QLatin1String("g") && fondo.isEmpty()) {
                    fondo = xml.attributes().value("fill").toString();  // the background's
                    if (fondo == "none") fondo.clear();
                }
            }
            EXPECT_FALSE(xml.hasError());
            EXPECT_EQ(viewBox, QString("0 0 %1 %2").arg(size.width()).arg(size.height()));
            EXPECT_EQ(fondo, papel ? "#ffffff" : "#404040");
        } else {
            const QImage img(base + ".png");
            ASSERT_FALSE(img.isNull());
            EXPECT_EQ(img.size(), size);
            EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, papel ? 0xFFFFFFu : 0x404040u);
        }
    }
    // A name with its extension is kept as it is.
    respuesta = ExportCommands::ArchivoElegido{Out("con.png"), filtros[3]};
    window->Action("mnuExportar")->trigger();
    EXPECT_TRUE(QFile::exists(Out("con.png")));
    EXPECT_FALSE(QFile::exists(Out("con.png.png")));
}

TEST_F(WindowExport, FailedExportSaysWhyAndLeavesNothing) {
    Mostrar();
    QFile regular(Out("archivo"));  // a file where a folder should be: unwritable for root too
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    regular.close();
    respuesta = ExportCommands::ArchivoElegido{Out("archivo/carta"), ExportCommands::Filtros()[0]};
    window->Action("mnuExportar")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt,
              "No se pudo escribir el documento " + Out("archivo/carta.pdf").toStdString());
    EXPECT_EQ(dialogs.asked[0].title, "Exportar");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(QFile::exists(Out("archivo/carta.pdf")));
    // Cancelled: nothing asked, nothing written.
    dialogs.asked.clear();
    respuesta.reset();
    window->Action("mnuExportar")->trigger();
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"archivo"});
}

// The print command's preview is scripted to print at once, to a PDF file: no display and no
// printer are needed. The report carries the progression on display.
TEST_F(WindowExport, PrintsTheReportWithItsProgressionThroughQPrinterToAPdfFile) {
    Mostrar();
    Progresar();
    const QString pdf = Out("impreso.pdf");
    QPageSize::PageSizeId hoja = QPageSize::Custom;
    bool completa = false;
    commands->SetPrevisualizar(
        [&](QPrinter& printer, const std::function<void(QPrinter*)>& pintar) {
            hoja = printer.pageLayout().pageSize().id();
            completa = printer.fullPage();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            pintar(&printer);
        });
    window->Action("mnuImprimir")->trigger();
    EXPECT_EQ(hoja, QPageSize::A4);
    EXPECT_TRUE(completa);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF-"));
    if (!HayHerramienta("pdftotext") || !HayHerramienta("pdfinfo")) {
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) no está instalado";
    }
    // The report made for reading, with as many pages as its layout on A4 gives.
    const QString n = QString::number(PaginasEnA4());
    const QByteArray info = Ejecutar("pdfinfo", {pdf}).out;
    EXPECT_NE(info.indexOf("Pages:           " + n.toUtf8()), -1) << info.data();
    const QString texto = QString::fromUtf8(Ejecutar("pdftotext", {pdf, "-"}).out);
    EXPECT_TRUE(texto.contains("Ana Prueba"));
    EXPECT_TRUE(texto.contains("Página " + n + " de " + n));
    EXPECT_TRUE(texto.contains("Fecha de nacimiento"));
    EXPECT_TRUE(texto.contains("Posiciones"));
    EXPECT_TRUE(texto.contains("Rejilla de aspectos"));
    EXPECT_TRUE(texto.contains("Listado de la progresión"));
    EXPECT_TRUE(texto.contains("Arco Solar"));
    EXPECT_FALSE(texto.contains("ASPECTOS NATALES"));  // the window's listing is not the report
}

// The real preview: it opens over the window with the report's pages, and closing it prints
// nothing.
TEST_F(WindowExport, PrintPreviewShowsTheReportsPages) {
    Mostrar();
    Progresar();
    int paginas = -1;
    QString titulo;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview) return;
        titulo = preview->windowTitle();
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            paginas = widget->pageCount();
        }
        preview->reject();
    });
    window->Action("mnuImprimir")->trigger();
    EXPECT_EQ(titulo.toStdString(), "Imprimir carta");
    EXPECT_EQ(paginas, PaginasEnA4());
}

TEST_F(WindowExport, CtrlCCopiesTheListingWindowsTextOrLista) {
    window->show();
    window->FormLoad();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString hoy = clipboard->text();
    commands->AccionCopiar()->trigger();  // no chart yet: the clipboard keeps today's date
    EXPECT_EQ(clipboard->text(), hoy);

    window->flistArchivos()->setCurrentRow(0);
    window->flistArchivos_Click();
    QApplication::processEvents();
    FrmListaNat* listado = window->frmListaNat();
    ASSERT_TRUE(listado->isVisible());
    QApplication::setActiveWindow(listado);
    QApplication::processEvents();
    ASSERT_TRUE(listado->isActiveWindow());
    commands->AccionCopiar()->trigger();
    EXPECT_EQ(clipboard->text().toStdString(), Texto(window->State().ListadoNatalLineas()));
    EXPECT_TRUE(clipboard->text().startsWith("LISTADO NATAL\n"));

    // Back in the main window (the listing closes itself): the aspects list.
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_FALSE(listado->isVisible());
    commands->AccionCopiar()->trigger();
    std::vector<std::string> lista;
    for (int i = 0; i < window->Lista()->count(); ++i) {
        lista.push_back(window->Lista()->item(i)->text().toStdString());
    }
    ASSERT_FALSE(lista.empty());
    EXPECT_EQ(clipboard->text().toStdString(), Texto(lista));
}

}  // namespace
}  // namespace natalis
