#include "app/ui/ExportarCarta.h"

#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <functional>

#include "app/ui/PintarInforme.h"
#include "chart/ui/DrawingPainter.h"

namespace natalis {

namespace {

constexpr int kDotsPerMeter96 = 3780;

std::string NoEscrita(const char* que, const std::string& path) {
    return std::string("No se pudo escribir ") + que + " " + path;
}

// Opens path's temporary; the content goes to it and replaces path on commit.
bool Abrir(QSaveFile& file) { return file.open(QIODevice::WriteOnly); }

// The sheet of the table, matched to Qt's standard size of it (which PDF viewers and
// printers name).
QPageSize TamanoDe(Papel papel) {
    const PapelFila& f = FilaPapel(papel);
    return QPageSize(QSizeF(f.anchoPt, f.altoPt), QPageSize::Point, QString(),
                     QPageSize::FuzzyMatch);
}

}  // namespace

QImage PintarImagen(const RecordingSurface& dibujo, QSize size, Tema tema) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintRecord(p, dibujo, QRectF(QPointF(0, 0), QSizeF(image.size())), tema);
    p.end();
    return image;
}

std::string EscribirPng(const RecordingSurface& dibujo, QSize size, Tema tema,
                        const std::string& path) {
    const QImage image = PintarImagen(dibujo, size, tema);
    QSaveFile file(QString::fromStdString(path));
    bool escrita = Abrir(file);
    if (escrita) {
        QImageWriter writer(&file, "png");
        escrita = writer.write(image) && file.commit();
    }
    return escrita ? std::string() : NoEscrita("la imagen", path);
}

std::string EscribirSvg(const RecordingSurface& dibujo, QSize size, Tema tema,
                        const std::string& titulo, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    bool escrita = Abrir(file);
    if (escrita) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(size)));
        svg.setResolution(96);
        svg.setTitle(QString::fromStdString(titulo));
        svg.setDescription(QString::fromStdString(TextoPie()));
        QPainter p;
        escrita = p.begin(&svg);
        if (escrita) {
            PaintRecord(p, dibujo, QRectF(QPointF(0, 0), QSizeF(size)), tema,
                        DrawingPainter::Glyphs::Outlines);
            escrita = p.end();
        }
        escrita = escrita && file.error() == QFileDevice::NoError && file.commit();
    }
    return escrita ? std::string() : NoEscrita("la imagen", path);
}

// A PDF of papel sheets titled titulo, painted by pintar, written whole to path or not at all.
std::string EscribirDocumento(Papel papel, const std::string& titulo,
                              const std::function<bool(QPdfWriter&)>& pintar,
                              const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    bool escrito = Abrir(file);
    if (escrito) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(TamanoDe(papel));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QString::fromStdString(titulo));
        pdf.setCreator(QString::fromStdString(TextoPie()));
        escrito = pintar(pdf);
        escrito = escrito && file.error() == QFileDevice::NoError && file.commit();
    }
    return escrito ? std::string() : NoEscrita("el documento", path);
}

std::string EscribirPdf(const RecordingSurface& dibujo, const InformeCarta& informe, Papel papel,
                        Tema tema, const std::string& path) {
    return EscribirDocumento(
        papel, informe.nombre,
        [&](QPdfWriter& pdf) { return PintarInforme(pdf, dibujo, informe, tema); }, path);
}

std::string EscribirInformePdf(const InformeCompleto& informe, const RuedasInforme& ruedas,
                               Papel papel, Tema tema, const std::string& path) {
    return EscribirDocumento(
        papel, informe.nombre,
        [&](QPdfWriter& pdf) { return PintarInformeCompleto(pdf, informe, ruedas, tema); }, path);
}

}  // namespace natalis
