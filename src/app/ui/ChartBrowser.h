// The chart list: every chart file of the folder with the person's name, birth date and place
// read from it, sortable by any column, narrowed by a filter box as one types (without regard
// to case or accents). A file the chart reader refuses is listed too, marked, so choosing it
// explains why it cannot be read.
//
// Built for large libraries: the folder is listed by name alone and rows have one height, so
// the list shows at once; the files are then read a few at a time while the program is idle,
// or at once when a row is shown or sorted by name, date or place before that. The filter
// never waits for them: a file not read yet is matched by its name, and the rows shown are
// refined as the reading goes on. What was read is kept until the file changes on disk.
#pragma once
#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QFont>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/model/ChartHeader.h"

class QLineEdit;

namespace natalis {

class ChartListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Archivo, Nombre, Fecha, Lugar, kColumns };
    // What the name column shows for a file the chart reader refuses.
    static constexpr const char* kIlegible = "(archivo ilegible)";

    explicit ChartListModel(QObject* parent = nullptr);

    // Lists the chart files (of every format ChartFormats knows) of folder, in file-name order
    // without regard to case.
    void SetFolder(const std::string& folder);
    // A file written or removed by the program, put in or taken out of its place.
    void AddFile(const QString& fileName);
    void RemoveFile(const QString& fileName);

    // Reads up to count files not read yet, in order; false once every file is read. With
    // filtro (folded) given, *newMatches tells whether a file read now matches it although
    // its name alone did not (the filtered rows are then to be refined).
    bool ReadAhead(int count, const std::string& filtro = std::string(),
                   bool* newMatches = nullptr);
    // The font of the marked name of an unreadable file (the list's, in italics).
    void SetMarkFont(const QFont& font) { markFont_ = font; }

    QString FileName(int row) const;
    // The header of row's file, read from the file when not known or changed since.
    const ChartHeader& Header(int row) const;
    // True when row's file, name, date or place holds every word of filtro (folded); for a
    // file not read yet, when its name does (nothing is read here).
    bool Matches(int row, const std::string& filtro) const;
    // True once row's file has been read (or checked against what was read before).
    bool IsRead(int row) const;
    // Whether row sorts before other by column (ties by file name).
    bool Before(int row, int other, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    struct Known {
        long long mtimeNs = -1;
        long long size = -1;
        ChartHeader header;
        std::string folded;         // file, name, date and place folded for the filter
        QString nameKey, placeKey;  // name and place folded, for sorting
    };
    struct Row {
        QString file;
        QString key;                           // the name case-folded, for sorting
        mutable const Known* known = nullptr;  // null until the file is read or checked
        mutable std::string foldedFile;        // the file name folded, once filtered by
    };
    static Row MakeRow(const QString& file) { return {file, file.toCaseFolded(), nullptr, {}}; }
    // Whether row's file name alone holds every word of filtro.
    bool NameMatches(const Row& row, const std::string& filtro) const;
    // File-name order without regard to case (then with it, so the order is total).
    static bool RowBefore(const Row& a, const Row& b) {
        return a.key != b.key ? a.key < b.key : a.file < b.file;
    }
    const Known& Read(const Row& row) const;

    std::string folder_;
    std::vector<Row> rows_;
    std::size_t prefetched_ = 0;  // rows before this one are read
    QFont markFont_;
    // What was read of each file, by name; kept across refreshes of the folder.
    mutable std::unordered_map<std::string, Known> known_;
};

// Sorts by the model's sort keys and keeps the rows that match the filter.
class ChartFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ChartFilterProxy(QObject* parent = nullptr);
    // The filter as typed; the rows shown are those whose texts hold all its words.
    void SetFilter(const QString& typed);
    const std::string& Filtro() const { return filtro_; }
    // Filters again, with the files read since.
    void Refine() { invalidateFilter(); }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    std::string filtro_;  // folded
};

// The list itself, object name "flistArchivos": one row a file, the file name first.
class ChartList : public QTreeView {
    Q_OBJECT
  public:
    explicit ChartList(QWidget* parent = nullptr);

    // The file names of the rows shown, top to bottom.
    QStringList FileNames() const;
    int count() const;
    // The file of the current row; empty when there is none.
    QString CurrentFile() const;
    int currentRow() const;
    void setCurrentRow(int row);
    // Makes the row of fileName current; false when it is not shown.
    bool SelectFile(const QString& fileName);
    QSize sizeHint() const override;
};

class ChartBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit ChartBrowser(QWidget* parent = nullptr);

    ChartList* List() const { return list_; }
    QLineEdit* Filter() const { return filter_; }
    ChartListModel* Model() const { return model_; }
    ChartFilterProxy* Proxy() const { return proxy_; }

    // Lists folder anew; the filter and the sort order stay.
    void Refresh(const std::string& folder);

  signals:
    // The user chose the current row: a click on a row, or Enter in the list or the filter.
    void chosen();
    // Escape in the list, or in the empty filter box.
    void escaped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Files read at each turn of the event loop: a few milliseconds' work.
    static constexpr int kReadAheadFiles = 100;

    void KeepACurrentRow();
    void UpdateMarkFont();
    // One turn of the read-ahead; the filtered rows are refined at most every kRefineMs
    // while files that match are found, and once more when every file is read.
    void ReadAheadTurn();
    static constexpr qint64 kRefineMs = 250;

    QTimer readAhead_;
    QElapsedTimer sinceRefine_;
    bool refinePending_ = false;
    QLineEdit* filter_ = nullptr;
    ChartList* list_ = nullptr;
    ChartListModel* model_ = nullptr;
    ChartFilterProxy* proxy_ = nullptr;
};

}  // namespace natalis
