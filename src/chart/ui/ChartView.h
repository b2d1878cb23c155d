// The widget that shows a QtSurface and lays its child controls out in the same 100 x 70
// units, so the drawing and the controls scale together and the wheel stays round.
//
// The drawing keeps its proportions: it fills the view's height and stands at its right when
// the view is wide, and fills the width at the top when the view is tall. The spare room goes
// to the column of controls at the left (the chart list, the aspects list and the frames),
// which reaches the view's left and bottom edges. Fonts scale with the drawing but never
// below a readable size; frames take the height their contents need.
#pragma once
#include <QRectF>
#include <QWidget>
#include <vector>

namespace natalis {

class QtSurface;

class ChartView : public QWidget {
    Q_OBJECT
  public:
    // The smallest font of the placed controls, in points, whatever the window's size.
    static constexpr double kMinTextPt = 8.5;

    explicit ChartView(QtSurface& surface, QWidget* parent = nullptr);
    ~ChartView() override;

    // Keeps a control of the left column at the rectangle (x, y, width, height) in units,
    // with the room left of the drawing and, when its rectangle reaches the drawing's bottom,
    // the room below it. fontPt, when above 0, is w's font size at the designed size; it
    // scales with the drawing. One that yields ends just above the topmost frame shown, so a
    // frame never covers it.
    void PlaceInColumn(QWidget* w, const QRectF& units, double fontPt, bool yields = false);
    // A frame of the left column, leftUnits to leftUnits + widthUnits across (wider when its
    // contents need it) and as high as its contents need. Frames shown stand on the column's
    // bottom, one above the other in the order they were placed.
    void PlaceFrame(QWidget* w, double leftUnits, double widthUnits, double fontPt);

    // Call after drawing on the surface.
    void Redraw() { update(); }
    // Units to the view's pixels, and the pixels per unit.
    QPointF ToPixels(double x, double y) const;
    double PxPerUnit() const;
    // The drawing's rectangle in the view.
    QRectF DrawingRect() const;

    QSize sizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum class Kind { Column, ColumnYields, Frame };
    struct Placed {
        QWidget* widget;
        QRectF units;
        double fontPt;
        Kind kind;
    };
    void Add(const Placed& p);
    void FitSurface();
    void LayoutAll();
    void ApplyFont(const Placed& p);
    QRectF ColumnRect(const QRectF& units) const;

    QtSurface& surface_;
    std::vector<Placed> placed_;
    bool layingOut_ = false;
};

}  // namespace natalis
