// Running the command-line tools that look inside the files the program writes (poppler's
// pdftoppm and pdftotext, librsvg's rsvg-convert), and comparing rendered images.
#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace natalis {

inline bool HayHerramienta(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

struct Salida {
    int code = -1;
    QByteArray out;
};

// Runs a tool to its end (60 s at most) and returns its exit code and standard output.
inline Salida Ejecutar(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    Salida s;
    if (!p.waitForFinished(60000)) return s;
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = p.readAllStandardOutput();
    return s;
}

// How far two renderings of one drawing are apart. Two rasterisers (Qt's, poppler's,
// librsvg's) anti-alias, hint and embolden glyphs differently, so glyph edges differ by a
// pixel or so; what matters is whether something is missing, added, moved or coloured
// otherwise. A pixel of one image "has a match" when the other has a pixel of about its
// colour (no channel more than 64 apart) at its place or next to it; `sinPareja` is the
// share of pixels without one, the larger of the two directions.
struct Diferencia {
    double distintos = 1;  // share of pixels more than 64 apart in some channel, at their place
    double sinPareja = 1;  // share of pixels without a match within one pixel
};

inline bool Cerca(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 64 && std::abs(qGreen(a) - qGreen(b)) <= 64 &&
           std::abs(qBlue(a) - qBlue(b)) <= 64;
}

// Pixels of a (the border row excepted) with no pixel of b near in colour within one pixel.
inline long long SinPareja(const QImage& a, const QImage& b) {
    long long n = 0;
    for (int j = 1; j + 1 < a.height(); ++j) {
        for (int i = 1; i + 1 < a.width(); ++i) {
            const QRgb pa = a.pixel(i, j);
            bool hay = false;
            for (int dj = -1; dj <= 1 && !hay; ++dj) {
                for (int di = -1; di <= 1 && !hay; ++di) hay = Cerca(pa, b.pixel(i + di, j + dj));
            }
            if (!hay) ++n;
        }
    }
    return n;
}

inline Diferencia Comparar(const QImage& a, const QImage& b) {
    Diferencia d;
    if (a.size() != b.size() || a.isNull()) return d;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long long distintos = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) distintos += !Cerca(x.pixel(i, j), y.pixel(i, j));
    }
    const double n = static_cast<double>(x.width()) * x.height();
    d.distintos = distintos / n;
    d.sinPareja = std::max(SinPareja(x, y), SinPareja(y, x)) / n;
    return d;
}

}  // namespace natalis
