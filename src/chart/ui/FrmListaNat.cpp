#include "chart/ui/FrmListaNat.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "chart/Surface.h"
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
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Rgb(QBColor(15)));
    pal.setColor(QPalette::WindowText, Rgb(QBColor(0)));
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
}

void FrmListaNat::SetLines(const std::vector<std::string>& lines) {
    lines_.clear();
    for (const std::string& l : lines) lines_ << QString::fromStdString(l);
    update();
}

void FrmListaNat::ShowListing() {
    if (!placed_) {
        // Form_Load: the left edge at its designed place, or further right when the main
        // window reaches past it (so the listing does not cover the aspects list), kept on
        // the screen.
        const QWidget* main = parentWidget();
        const QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
        const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        int left = avail.left() + kLeft;
        if (main) left = std::max(left, main->frameGeometry().right() + 1);
        const int top = main ? main->geometry().top() : avail.top();
        move(std::min(left, avail.right() + 1 - frameGeometry().width()), top);
        placed_ = true;
    }
    show();
    raise();
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
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

void FrmListaNat::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

}  // namespace natalis
