// The main window's "COMPARAR" menu: a synastry, a composite or a Davison chart with a second
// chart picked from the library, solar and lunar returns cast at a chosen place (the next and
// previous one a key away), the chart of the present moment, the comparison's listing and
// grid, and saving a Davison chart as a chart file. The session computes and draws; this only
// asks and shows.
#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "app/model/NatalRecord.h"
#include "chart/Davison.h"
#include "predictive/Retorno.h"

class QAction;

namespace natalis {

class Atlas;
class CuadroGral;
class ElegirCarta;
class FrmComparacion;
class LugarFecha;

class CompararCommands : public QObject {
    Q_OBJECT
  public:
    // Becomes a child of the window and connects the menu's commands; atlas gives the
    // program's atlas when a place is first searched.
    CompararCommands(CuadroGral& w, std::function<Atlas*()> atlas);

    void mnuSinastria_Click();                     // "Sinastría…"
    void mnuCompuesta_Click();                     // "Compuesta…"
    void mnuDavison_Click();                       // "Davison…"
    void mnuRetornoCarta_Click(TipoRetorno tipo);  // "Retorno solar…", "Retorno lunar…"
    void mnuRetornoVecino_Click(bool adelante);    // "Retorno siguiente", "Retorno anterior"
    void mnuAhora_Click();                         // "Ahora…"
    void mnuGuardarComoCarta_Click();              // "Guardar como carta…"
    void mnuListaComparacion_Click();              // "Listado de la comparación"

    // The menu's entries fitted to what the session holds: the comparisons need a chart on
    // display, the next and previous return a return on display, saving a Davison chart.
    void AjustarMenu();

    // The dialogs while open (they are shown without blocking; tests answer them).
    ElegirCarta* Selector() const;
    LugarFecha* DialogoLugar() const;
    FrmComparacion* Ventana() const { return ventana_; }

  private:
    enum class ConSegunda { Sinastria, Compuesta, Davison };
    void PedirSegunda(ConSegunda que);
    void PedirLugar(const QString& titulo, bool conFecha,
                    std::function<std::optional<std::string>(LugarFecha&)> mostrar);
    // The comparison just computed shown (or why not, when error holds a reason).
    void Mostrar(const std::optional<std::string>& error);

    CuadroGral& w_;
    std::function<Atlas*()> atlas_;
    QPointer<ElegirCarta> selector_;
    QPointer<LugarFecha> lugar_;
    FrmComparacion* ventana_ = nullptr;
};

}  // namespace natalis
