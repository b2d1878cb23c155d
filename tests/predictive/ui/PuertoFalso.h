// A PuertoVentana made of bare widgets, with no main window at all, for the controllers'
// tests: it records the window actions asked of it.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <map>
#include <vector>

#include "app/session/ChartSession.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/QtSurface.h"
#include "predictive/ui/PuertoVentana.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {

class PuertoFalso : public PuertoVentana {
  public:
    explicit PuertoFalso(Ephemeris& eph) : sesion_(eph) {
        vista_ = new ChartView(superficie_, &ventana_);
        marco_ = new QGroupBox(vista_);
        auto* layout = new QVBoxLayout(marco_);
        fecha_ = new QLineEdit(marco_);
        hora_ = new QLineEdit(marco_);
        layout->addWidget(fecha_);
        layout->addWidget(hora_);
        marco_->hide();
        lista_ = new QListWidget(vista_);
    }

    ChartSession& Sesion() override { return sesion_; }
    Dialogs& Dialogos() override { return dialogos; }
    Clock& Reloj() override { return reloj; }
    Surface& Superficie() override { return superficie_; }
    QWidget* Ventana() override { return &ventana_; }
    ChartView* Vista() override { return vista_; }
    QGroupBox* MarcoFecha() override { return marco_; }
    QLineEdit* CajaFecha() override { return fecha_; }
    QLineEdit* CajaHora() override { return hora_; }
    QListWidget* ListaAspectos() override { return lista_; }
    QAction* Comando(const QString& nombre) const override { return Accion(nombre); }
    QAction* ComandoIndice(int indice) const override {
        QAction* a = Accion(QString("indice %1").arg(indice));
        a->setCheckable(true);  // as the window's technique entries
        return a;
    }
    QMenu* MenuTitulo(const QString&) const override { return nullptr; }
    void Redibujar() override { ++redibujados; }
    void MostrarLista(int heading) override {
        listas.push_back(heading);
        lista_->clear();
        for (const std::string& l : sesion_.Lista) lista_->addItem(QString::fromStdString(l));
    }
    void GraficarNatal() override {
        ++graficados;
        sesion_.MostrarNatal(&superficie_);
    }

    ScriptedDialogs dialogos;
    FakeClock reloj{{2024, 3, 5, 14, 5, 0}, Zone(180)};
    int redibujados = 0, graficados = 0;
    std::vector<int> listas;  // the heading of each MostrarLista

  private:
    QAction* Accion(const QString& nombre) const {
        auto& a = acciones_[nombre];
        if (!a) a = new QAction(nombre, const_cast<QWidget*>(&ventana_));
        return a;
    }

    ChartSession sesion_;
    QtSurface superficie_;
    QWidget ventana_;
    ChartView* vista_ = nullptr;
    QGroupBox* marco_ = nullptr;
    QLineEdit* fecha_ = nullptr;
    QLineEdit* hora_ = nullptr;
    QListWidget* lista_ = nullptr;
    mutable std::map<QString, QAction*> acciones_;
};

}  // namespace natalis
