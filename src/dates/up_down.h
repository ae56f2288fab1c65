#pragma once
// Spin buttons that stand beside a field without being bound to it: they keep
// their own position within a range and report every click, and their owner
// decides what a click writes where.

#include <QWidget>

class QToolButton;

namespace lumtar {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    // Kept within the range: a count typed beyond it shows as the nearest bound.
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // After a click has moved the position by one step, or left it at a bound.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace lumtar
