#pragma once
// A page of the main window. A computing page recomputes itself from its
// inputs when the user selects it or the amount changes while it is active.

#include <QWidget>

namespace lumtar {

class Page : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // The page's recomputation (Button1Click, Button2Click, ...); nothing for
    // the pages that do not compute.
    virtual void recompute() {}
};

}  // namespace lumtar
