#include "predictive/ui/ExportarMapa.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "app/session/InformeCarta.h"
#include "chart/ui/DrawingPainter.h"

namespace natalis {

namespace {

constexpr int kAnchoPagina = 958, kAltoPagina = 677;  // the drawing's designed size, px

std::string NoEscrito(const std::string& path) {
    return "No se pudo escribir el mapa de tiempo " + path;
}

}  // namespace

std::string EscribirMapaSvg(const std::vector<RecordingSurface>& paginas, Tema tema,
                            const std::string& titulo, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    bool escrito = file.open(QIODevice::WriteOnly);
    if (escrito) {
        const QSize size(kAnchoPagina, kAltoPagina * static_cast<int>(paginas.size()));
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(size)));
        svg.setResolution(96);
        svg.setTitle(QString::fromStdString(titulo));
        svg.setDescription(QString::fromStdString(TextoPie()));
        QPainter p;
        escrito = p.begin(&svg);
        for (size_t k = 0; escrito && k < paginas.size(); ++k) {
            const QRectF rect(0, kAltoPagina * static_cast<double>(k), kAnchoPagina, kAltoPagina);
            PaintRecord(p, paginas[k], rect, tema, DrawingPainter::Glyphs::Outlines);
        }
        escrito = escrito && p.end();
        escrito = escrito && file.error() == QFileDevice::NoError && file.commit();
    }
    return escrito ? std::string() : NoEscrito(path);
}

std::string EscribirMapaPdf(const std::vector<RecordingSurface>& paginas, Papel papel, Tema tema,
                            const std::string& titulo, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    bool escrito = file.open(QIODevice::WriteOnly);
    if (escrito) {
        QPdfWriter pdf(&file);
        const PapelFila& f = FilaPapel(papel);
        pdf.setPageSize(QPageSize(QSizeF(f.anchoPt, f.altoPt), QPageSize::Point, QString(),
                                  QPageSize::FuzzyMatch));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QString::fromStdString(titulo));
        pdf.setCreator(QString::fromStdString(TextoPie()));
        QPainter p;
        escrito = p.begin(&pdf);
        const QRectF hoja(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        for (size_t k = 0; escrito && k < paginas.size(); ++k) {
            if (k > 0) escrito = pdf.newPage();
            PaintRecord(p, paginas[k], hoja, tema);
        }
        escrito = escrito && p.end();
        escrito = escrito && file.error() == QFileDevice::NoError && file.commit();
    }
    return escrito ? std::string() : NoEscrito(path);
}

}  // namespace natalis
