// frmListaNat: the small natal listing window. It prints the positions of the twelve points
// and the twelve cusps, and closes itself as soon as it loses the focus.
#pragma once
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace natalis {

class FrmListaNat : public QWidget {
    Q_OBJECT
  public:
    // Design size 1830 x 6020 twips (it grows when its text needs more room); placed 16500
    // twips from the screen's left edge, or beside the main window when that is further.
    static constexpr int kWidth = 122;
    static constexpr int kHeight = 401;
    static constexpr int kLeft = 1100;

    explicit FrmListaNat(QWidget* parent = nullptr);

    // Clears the window and prints lines: the first (the title) at tab column 4, the others
    // at tab column 5.
    void SetLines(const std::vector<std::string>& lines);
    const QStringList& Lines() const { return lines_; }
    // Shows the window and gives it the focus, or (takeFocus false) leaves the focus where it
    // is; where it stands is its owner's choice.
    void ShowListing(bool takeFocus = true);
    QSize sizeHint() const override;

  signals:
    // The window was closed (Form_Unload): the menu title that opens it is enabled again.
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QStringList lines_;
    // Losing the focus closes the window once the user had it: shown with the focus, or,
    // shown without, clicked or activated after the owner had the focus back (a platform may
    // activate a window it shows, and the owner then takes the focus back at once).
    bool closesOnFocusLoss_ = true;
    bool waitingForOwner_ = false;
};

}  // namespace natalis
