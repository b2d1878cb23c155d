// frmMapaTiempo: the window of the time map. The period search's request (dates, orb,
// technique) and whether the Moon's rows are shown, with "Dibujar" and "Exportar…" buttons;
// the map's pages one under another in a scrolled area, each at the drawing's designed size.
// A click on a bar says which instant lies under it. It only shows the pages it is given;
// the map, its drawing and its export belong to ControlCalendario.
#pragma once
#include <QWidget>
#include <optional>
#include <vector>

#include "chart/RecordingSurface.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/MapaTiempo.h"
#include "predictive/ui/VentanaFlotante.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace natalis {

// The pages painted one under another; a click reports where it fell.
class LienzoMapa : public QWidget {
    Q_OBJECT
  public:
    explicit LienzoMapa(QWidget* parent = nullptr);

    void SetPaginas(const std::vector<RecordingSurface>* paginas);
    // The page under a point of the canvas and the point in that page's units, or nothing
    // outside the pages.
    struct PuntoPagina {
        int pagina = 0;
        double x = 0, y = 0;
    };
    std::optional<PuntoPagina> PuntoEn(QPointF p) const;
    // The canvas point of (x, y) units of a page.
    QPointF PixelDe(int pagina, double x, double y) const;

    static constexpr int kAncho = 958, kAlto = 677;  // a page, px: the drawing's designed size

  signals:
    void clic(QPointF p);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF RectPagina(int pagina) const;

    const std::vector<RecordingSurface>* paginas_ = nullptr;
};

class FrmMapaTiempo : public VentanaFlotante {
    Q_OBJECT
  public:
    explicit FrmMapaTiempo(QWidget* parent = nullptr);

    // The texts of the search as typed, and whether the Moon's rows are asked for.
    ConsultaPeriodo Consulta() const;
    bool ConLuna() const;
    void SetPeriodo(const std::string& desde, const std::string& hasta);

    // The map and its drawn pages (one RecordingSurface a page); "Exportar…" is enabled.
    void SetMapa(MapaTiempo mapa, std::string titulo, std::vector<RecordingSurface> paginas);
    const MapaTiempo& Mapa() const { return mapa_; }
    const std::string& Titulo() const { return titulo_; }
    const std::vector<RecordingSurface>& Paginas() const { return paginas_; }
    // The instant under a point of the canvas when it lies on a bar.
    std::optional<double> InstanteEn(QPointF p) const;

    QLineEdit* txtDesde() const { return txtDesde_; }
    QLineEdit* txtHasta() const { return txtHasta_; }
    QLineEdit* txtOrbe() const { return txtOrbe_; }
    QComboBox* cboTecnica() const { return cboTecnica_; }
    QCheckBox* chkLuna() const { return chkLuna_; }
    QPushButton* btnDibujar() const { return btnDibujar_; }
    QPushButton* btnExportar() const { return btnExportar_; }
    QScrollArea* Area() const { return area_; }
    LienzoMapa* Lienzo() const { return lienzo_; }
    QLabel* lblCuenta() const { return lblCuenta_; }

  signals:
    // "Dibujar" was pressed (or Enter in one of the boxes).
    void dibujar();
    // "Exportar…" was pressed.
    void exportar();
    // A click fell on a bar at the instant jd (UT Julian day).
    void instante(double jd);

  private:
    QLineEdit* txtDesde_ = nullptr;
    QLineEdit* txtHasta_ = nullptr;
    QLineEdit* txtOrbe_ = nullptr;
    QComboBox* cboTecnica_ = nullptr;
    QCheckBox* chkLuna_ = nullptr;
    QPushButton* btnDibujar_ = nullptr;
    QPushButton* btnExportar_ = nullptr;
    QScrollArea* area_ = nullptr;
    LienzoMapa* lienzo_ = nullptr;
    QLabel* lblCuenta_ = nullptr;
    MapaTiempo mapa_;
    std::string titulo_;
    std::vector<RecordingSurface> paginas_;
};

}  // namespace natalis
