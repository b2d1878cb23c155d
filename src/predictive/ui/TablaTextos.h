// A table of texts filled at once: the rows' cells set with the header's sizing held, then
// every column fitted to its contents once. Fitting the columns after every cell, as the
// header does on its own while it sizes them to their contents, makes filling a table of a
// few hundred rows take seconds.
#pragma once
#include <QHeaderView>
#include <QTableWidget>
#include <string>

namespace natalis {

// rows: how many; campos(i): the texts of row i, one per column.
template <typename Campos>
void LlenarTabla(QTableWidget* tabla, size_t filas, Campos campos) {
    QHeaderView* cabecera = tabla->horizontalHeader();
    cabecera->setSectionResizeMode(QHeaderView::Interactive);
    tabla->setUpdatesEnabled(false);
    tabla->clearContents();
    tabla->setRowCount(static_cast<int>(filas));
    for (size_t fila = 0; fila < filas; ++fila) {
        const auto textos = campos(fila);
        for (size_t col = 0; col < textos.size(); ++col) {
            tabla->setItem(static_cast<int>(fila), static_cast<int>(col),
                           new QTableWidgetItem(QString::fromStdString(textos[col])));
        }
    }
    tabla->resizeColumnsToContents();
    tabla->setUpdatesEnabled(true);
}

}  // namespace natalis
