#include "app/ui/ChartBrowser.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "app/model/ChartFormats.h"
#include "app/model/FiltroCartas.h"
#include "app/model/SafeFileWrite.h"

namespace natalis {

namespace {

const char* const kColumnTitles[ChartListModel::kColumns] = {"Archivo", "Nombre", "Fecha natal",
                                                             "Lugar"};
// Share of the list's width each column starts with.
constexpr double kColumnShare[ChartListModel::kColumns] = {0.32, 0.32, 0.16, 0.20};
// Text of unreadable files: dark red, 8 : 1 on the white of the list.
const QColor kIlegibleColor(0xA0, 0x00, 0x00);

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// ---- Model ---------------------------------------------------------------------------

ChartListModel::ChartListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChartListModel::SetFolder(const std::string& folder) {
    beginResetModel();
    if (folder != folder_) known_.clear();
    folder_ = folder;
    rows_.clear();
    prefetched_ = 0;
    // Listed unsorted and sorted here on case-folded names: the folder's own sort compares
    // locale-aware, which costs several times as much with thousands of files.
    QStringList patterns;
    for (const ChartFormat& f : ChartFormats()) patterns << "*" + QString::fromUtf8(f.extension);
    QDirIterator it(Q(folder), patterns, QDir::Files);
    while (it.hasNext()) {
        it.next();
        rows_.push_back(MakeRow(it.fileName()));
    }
    std::sort(rows_.begin(), rows_.end(), RowBefore);
    endResetModel();
}

void ChartListModel::AddFile(const QString& fileName) {
    known_.erase(fileName.toStdString());
    const Row added = MakeRow(fileName);
    auto it = std::lower_bound(rows_.begin(), rows_.end(), added, RowBefore);
    if (it != rows_.end() && it->file == fileName) {
        it->known = nullptr;  // read again: it was rewritten
        const int row = static_cast<int>(it - rows_.begin());
        emit dataChanged(index(row, 0), index(row, kColumns - 1));
        return;
    }
    const int row = static_cast<int>(it - rows_.begin());
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(it, added);
    endInsertRows();
}

void ChartListModel::RemoveFile(const QString& fileName) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].file != fileName) continue;
        const int row = static_cast<int>(i);
        beginRemoveRows(QModelIndex(), row, row);
        rows_.erase(rows_.begin() + row);
        if (i < prefetched_) --prefetched_;
        endRemoveRows();
        return;
    }
}

bool ChartListModel::ReadAhead(int count, const std::string& filtro, bool* newMatches) {
    for (; prefetched_ < rows_.size() && count > 0; ++prefetched_) {
        const Row& row = rows_[prefetched_];
        if (row.known) continue;
        const Known& k = Read(row);
        --count;
        if (newMatches && !*newMatches && CoincideFiltro(k.folded, filtro) &&
            !NameMatches(row, filtro)) {
            *newMatches = true;
        }
    }
    return prefetched_ < rows_.size();
}

QString ChartListModel::FileName(int row) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].file : QString();
}

const ChartListModel::Known& ChartListModel::Read(const Row& row) const {
    if (row.known) return *row.known;
    const std::string name = row.file.toStdString();
    long long mtimeNs = -1, size = -1;
    struct stat st;
    if (::stat(JoinPath(folder_, name).c_str(), &st) == 0) {
        mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        size = static_cast<long long>(st.st_size);
    }
    Known& k = known_[name];
    if (k.mtimeNs != mtimeNs || k.size != size || mtimeNs < 0) {
        k.mtimeNs = mtimeNs;
        k.size = size;
        k.header = ReadChartHeader(folder_, name);
        k.folded =
            PlegarTexto(name + " " + k.header.name + " " + k.header.date + " " + k.header.place);
        k.nameKey = Q(PlegarTexto(k.header.name));
        k.placeKey = Q(PlegarTexto(k.header.place));
    }
    row.known = &k;
    return k;
}

const ChartHeader& ChartListModel::Header(int row) const {
    return Read(rows_[static_cast<std::size_t>(row)]).header;
}

bool ChartListModel::NameMatches(const Row& row, const std::string& filtro) const {
    if (row.foldedFile.empty()) row.foldedFile = PlegarTexto(row.file.toStdString());
    return CoincideFiltro(row.foldedFile, filtro);
}

bool ChartListModel::Matches(int row, const std::string& filtro) const {
    if (filtro.find_first_not_of(" \t") == std::string::npos) return true;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    return r.known ? CoincideFiltro(r.known->folded, filtro) : NameMatches(r, filtro);
}

bool ChartListModel::IsRead(int row) const {
    return rows_[static_cast<std::size_t>(row)].known != nullptr;
}

bool ChartListModel::Before(int row, int other, int column) const {
    const Row& a = rows_[static_cast<std::size_t>(row)];
    const Row& b = rows_[static_cast<std::size_t>(other)];
    if (column != Archivo) {
        const Known& ka = Read(a);
        const Known& kb = Read(b);
        // Unreadable files after the readable ones.
        if (ka.header.ok != kb.header.ok) return ka.header.ok;
        if (ka.header.ok) {
            if (column == Nombre && ka.nameKey != kb.nameKey) return ka.nameKey < kb.nameKey;
            if (column == Lugar && ka.placeKey != kb.placeKey) return ka.placeKey < kb.placeKey;
            if (column == Fecha && ka.header.DateKey() != kb.header.DateKey())
                return ka.header.DateKey() < kb.header.DateKey();
        }
    }
    return RowBefore(a, b);
}

int ChartListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChartListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ChartListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole && column == Archivo) return row.file;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::ForegroundRole &&
        role != Qt::FontRole) {
        return {};
    }
    const ChartHeader& h = Read(row).header;
    switch (role) {
        case Qt::DisplayRole:
            if (!h.ok) return column == Nombre ? QString::fromUtf8(kIlegible) : QString();
            return Q(column == Nombre ? h.name : column == Fecha ? h.date : h.place);
        case Qt::ToolTipRole:
            return h.ok ? QVariant()
                        : QStringLiteral(
                              "Este archivo no se puede leer como carta natal; al "
                              "elegirlo se explica por qué.");
        case Qt::ForegroundRole:
            return h.ok ? QVariant() : QVariant(kIlegibleColor);
        case Qt::FontRole:
            return h.ok ? QVariant() : QVariant(markFont_);
        default:
            return {};
    }
}

QVariant ChartListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns) {
        return {};
    }
    return QString::fromUtf8(kColumnTitles[section]);
}

// ---- Proxy ---------------------------------------------------------------------------

ChartFilterProxy::ChartFilterProxy(QObject* parent) : QSortFilterProxyModel(parent) {}

void ChartFilterProxy::SetFilter(const QString& typed) {
    const std::string folded = PlegarTexto(typed.toStdString());
    if (folded == filtro_) return;
    filtro_ = folded;
    invalidateFilter();
}

bool ChartFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto* m = static_cast<const ChartListModel*>(sourceModel());
    return m->Matches(sourceRow, filtro_);
}

bool ChartFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto* m = static_cast<const ChartListModel*>(sourceModel());
    return m->Before(left.row(), right.row(), left.column());
}

// ---- List ----------------------------------------------------------------------------

ChartList::ChartList(QWidget* parent) : QTreeView(parent) {
    setObjectName("flistArchivos");
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
}

QSize ChartList::sizeHint() const { return QSize(300, 400); }

QStringList ChartList::FileNames() const {
    QStringList names;
    const QAbstractItemModel* m = model();
    if (!m) return names;
    const int n = m->rowCount();
    names.reserve(n);
    for (int r = 0; r < n; ++r) names << m->index(r, 0).data().toString();
    return names;
}

int ChartList::count() const { return model() ? model()->rowCount() : 0; }

QString ChartList::CurrentFile() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.sibling(current.row(), 0).data().toString() : QString();
}

int ChartList::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ChartList::setCurrentRow(int row) {
    if (!model() || row < 0 || row >= model()->rowCount()) {
        selectionModel()->clear();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(model()->index(row, 0));
}

bool ChartList::SelectFile(const QString& fileName) {
    const QAbstractItemModel* m = model();
    for (int r = 0; m && r < m->rowCount(); ++r) {
        if (m->index(r, 0).data().toString() == fileName) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

// ---- Browser -------------------------------------------------------------------------

ChartBrowser::ChartBrowser(QWidget* parent) : QWidget(parent) {
    setObjectName("ChartBrowser");
    filter_ = new QLineEdit(this);
    filter_->setObjectName("txtFiltroCartas");
    filter_->setPlaceholderText(QStringLiteral("Filtrar por nombre, fecha o lugar"));
    filter_->setClearButtonEnabled(true);
    list_ = new ChartList(this);
    model_ = new ChartListModel(this);
    proxy_ = new ChartFilterProxy(this);
    UpdateMarkFont();
    proxy_->setSourceModel(model_);
    list_->setModel(proxy_);
    // File-name order, as the folder is listed, until a column's title is clicked.
    list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    list_->header()->setSortIndicatorShown(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    setFocusProxy(list_);

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->SetFilter(text);
        KeepACurrentRow();
    });
    connect(list_, &QTreeView::clicked, this, [this] { emit chosen(); });
    // The files are read a few at a time while the program waits for the user, so that
    // sorting by a column or filtering finds them read.
    readAhead_.setSingleShot(true);
    readAhead_.setInterval(0);
    connect(&readAhead_, &QTimer::timeout, this, [this] { ReadAheadTurn(); });
    sinceRefine_.start();
    filter_->installEventFilter(this);
    list_->installEventFilter(this);
}

void ChartBrowser::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateMarkFont();
}

void ChartBrowser::UpdateMarkFont() {
    QFont mark = font();
    mark.setItalic(true);
    model_->SetMarkFont(mark);
}

void ChartBrowser::Refresh(const std::string& folder) {
    const QString current = list_->CurrentFile();
    model_->SetFolder(folder);
    if (!current.isEmpty()) list_->SelectFile(current);
    readAhead_.start();
}

void ChartBrowser::ReadAheadTurn() {
    const std::string& filtro = proxy_->Filtro();
    const bool filtered = filtro.find_first_not_of(" \t") != std::string::npos;
    bool newMatches = false;
    const bool more = model_->ReadAhead(kReadAheadFiles, filtro, filtered ? &newMatches : nullptr);
    refinePending_ = refinePending_ || newMatches;
    if (refinePending_ && (!more || sinceRefine_.elapsed() >= kRefineMs)) {
        proxy_->Refine();
        KeepACurrentRow();
        refinePending_ = false;
        sinceRefine_.restart();
    }
    if (more) readAhead_.start();
}

void ChartBrowser::KeepACurrentRow() {
    // The row Enter chooses is the row highlighted: a current row the filter kept highlighted
    // stays; otherwise (the view moves the current row off a row filtered out without
    // highlighting the new one) the first match becomes current and highlighted.
    const QModelIndex current = list_->currentIndex();
    if (proxy_->rowCount() == 0) return;
    if (current.isValid() && list_->selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return;
    list_->setCurrentRow(0);
}

bool ChartBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == list_) {
        // The columns share the list's width, each at least as wide as its title.
        QHeaderView* h = list_->header();
        const int width = list_->viewport()->width();
        for (int c = 0; c + 1 < ChartListModel::kColumns; ++c) {
            h->resizeSection(
                c, std::max(h->sectionSizeHint(c), static_cast<int>(width * kColumnShare[c])));
        }
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    const int key = k->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == list_) {
        if (enter) {
            emit chosen();
            return true;
        }
        if (key == Qt::Key_Escape) {
            emit escaped();
            return true;
        }
        // Typing in the list types into the filter.
        const QString text = k->text();
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()) {
            filter_->setFocus(Qt::OtherFocusReason);
            filter_->insert(text);
            return true;
        }
    } else if (watched == filter_) {
        if (enter) {
            KeepACurrentRow();
            emit chosen();
            return true;
        }
        if (key == Qt::Key_Escape) {
            if (filter_->text().isEmpty()) {
                emit escaped();
            } else {
                filter_->clear();
            }
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown ||
            key == Qt::Key_PageUp) {
            list_->setFocus(Qt::OtherFocusReason);
            QKeyEvent copy(k->type(), key, k->modifiers(), k->text());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace natalis
