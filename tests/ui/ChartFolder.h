// A temporary chart folder for window tests, with chart files written by hand.
#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace natalis {

// A chart file as the program writes it (CR LF line ends).
inline std::string ChartText(const std::string& name, const std::string& timeLine = "09.0730") {
    const char* lines[] = {
        " No cambiar el orden de los datos natales. El orden por renglon es : 1-Nombre",
        " 2-dia  3-mes  4-a\xF1o  5-hora local  6-huso  7-latitud  8-longitud  9-lugar(opcional).",
        " ",
        "_____________________________________________ Inicio datos natales",
        "",
    };
    std::string text;
    for (const char* l : lines) text += std::string(l) + "\r\n";
    text += "1: " + name + "\r\n2: 5\r\n3; 3\r\n4: 1970\r\n5: " + timeLine +
            "\r\n6: 03.00\r\n7: 34.36S\r\n8: 058.27W\r\n9: Buenos Aires                  \r\n";
    text +=
        "_____________________________________________ Fin datos natales\r\n\r\n \r\nNOTAS:\r\n "
        "\r\n";
    return text;
}

struct ChartFolder {
    QTemporaryDir dir;

    std::string Path() const { return QDir(dir.path()).absolutePath().toStdString() + "/"; }
    void Write(const QString& fileName, const std::string& bytes) const {
        QFile f(QDir(dir.path()).filePath(fileName));
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
};

}  // namespace natalis
