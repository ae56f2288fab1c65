#include "dates/up_down.h"

#include <QToolButton>
#include <algorithm>

namespace lumtar {
namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAccessibleName(name);
    button->setAutoRepeat(true);  // held down, it keeps stepping
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, Qt::UpArrow, QStringLiteral("加一天"))),
      down_(MakeArrow(this, Qt::DownArrow, QStringLiteral("减一天"))) {
    up_->setObjectName(QStringLiteral("UpButton"));
    down_->setObjectName(QStringLiteral("DownButton"));
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void UpDown::step(int delta) {
    // Widened so a step at the edge of int cannot overflow.
    setPosition(static_cast<int>(
        std::clamp<long long>(static_cast<long long>(position_) + delta, minimum_, maximum_)));
    emit clicked();
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace lumtar
