#include "chart/ui/FrmListaNat.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/Surface.h"
#include "chart/ui/DialogKeys.h"
#include "chart/ui/FramePalette.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

QColor Rgb(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

}  // namespace

FrmListaNat::FrmListaNat(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Listado natal"));
    setFont(QtSurface::FontFor("Arial", 8, true));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    setProperty(kClosesOnFocusLoss, true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Rgb(QBColor(15)));
    pal.setColor(QPalette::WindowText, Rgb(QBColor(0)));
    setPalette(pal);
    ApplyLegiblePalette(this);
    setFocusPolicy(Qt::StrongFocus);
}

void FrmListaNat::SetLines(const std::vector<std::string>& lines) {
    lines_.clear();
    for (const std::string& l : lines) lines_ << QString::fromStdString(l);
    setFixedSize(sizeHint());
    update();
}

QSize FrmListaNat::sizeHint() const {
    // The designed size, or larger when a line or the lines would not fit in it.
    const QFontMetricsF fm(font(), this);
    const double column = fm.averageCharWidth();
    double width = 0;
    for (int i = 0; i < lines_.size(); ++i) {
        width = std::max(width, (i == 0 ? 3 : 4) * column + fm.horizontalAdvance(lines_[i]));
    }
    const int w = static_cast<int>(std::ceil(width + 2 * column));
    const int h = static_cast<int>(std::ceil((lines_.size() + 1) * fm.height()));
    return QSize(std::max(kWidth, w), std::max(kHeight, h));
}

void FrmListaNat::keyPressEvent(QKeyEvent* event) {
    // Enter or Escape closes the listing and gives the keyboard back to the main window.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        close();
        if (QWidget* main = parentWidget()) main->activateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmListaNat::mousePressEvent(QMouseEvent* event) {
    closesOnFocusLoss_ = true;  // the user took the window: it behaves as if opened by its command
    QWidget::mousePressEvent(event);
}

void FrmListaNat::ShowListing(bool takeFocus) {
    closesOnFocusLoss_ = takeFocus;
    waitingForOwner_ = !takeFocus;
    setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    show();
    raise();
    if (!takeFocus) return;
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void FrmListaNat::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const QFontMetricsF fm(font(), this);
    // A tab column is the width of an average character; column n starts after n - 1.
    const double column = fm.averageCharWidth();
    double y = fm.ascent();
    for (int i = 0; i < lines_.size(); ++i) {
        p.drawText(QPointF((i == 0 ? 3 : 4) * column, y), lines_[i]);
        y += fm.height();
    }
}

void FrmListaNat::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible()) return;
    if (isActiveWindow()) {
        if (!waitingForOwner_) closesOnFocusLoss_ = true;
    } else if (closesOnFocusLoss_) {
        close();
    } else {
        waitingForOwner_ = false;  // the owner has the focus: the next activation is the user's
    }
}

void FrmListaNat::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

}  // namespace natalis
