// The widget that shows a QtSurface and lays its child controls out in the same 100 x 70
// units, so the drawing and the controls scale together and the wheel stays round.
#pragma once
#include <QRectF>
#include <QWidget>
#include <vector>

namespace natalis {

class QtSurface;

class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QtSurface& surface, QWidget* parent = nullptr);
    ~ChartView() override;

    // Keeps w over the drawing at the rectangle (x, y, width, height) in units. fontPt, when
    // above 0, is w's font size at the designed size; it scales with the window. A widget that
    // yields ends just above any shown placed widget that stands below its top and beside it,
    // so a frame that appears there never covers it.
    void Place(QWidget* w, const QRectF& units, double fontPt = 0, bool yields = false);
    // Call after drawing on the surface.
    void Redraw() { update(); }

    QSize sizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QWidget* widget;
        QRectF units;
        double fontPt;
        bool yields;
    };
    void FitSurface();
    void Layout(const Placed& p);
    void LayoutYielding();
    QRectF UnitsFor(const Placed& p) const;

    QtSurface& surface_;
    std::vector<Placed> placed_;
};

}  // namespace natalis
