#pragma once
// The 49 numbers of the Lottery simulator, seven to a column (1 to 7 down the first column,
// 43 to 49 down the last). A free cell is pale orange, a marked one green; the numbers are
// blue.

#include <QAbstractButton>
#include <QWidget>
#include <array>

namespace numeralia::lotto {
class LottoModel;
}

namespace numeralia::app {

class LotteryCell : public QAbstractButton {
    Q_OBJECT
  public:
    explicit LotteryCell(int number, QWidget* parent = nullptr);
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }
    // A cell that answers clicks lights up under the mouse.
    void setClickable(bool clickable);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool marked_ = false;
    bool clickable_ = false;
};

class LotteryGrid : public QWidget {
    Q_OBJECT
  public:
    explicit LotteryGrid(QWidget* parent = nullptr);
    // Shows which cells the model has marked; cells take clicks only in manual mode.
    void refresh(const lotto::LottoModel& model);
    LotteryCell* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }

  signals:
    void cellClicked(int index);

  private:
    std::array<LotteryCell*, 49> cells_{};
};

}  // namespace numeralia::app
