#pragma once

#include <QDialog>

#include "app/shell.h"

namespace lumtar {

class Tfrmfen : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmfen(Shell& shell, QWidget* parent = nullptr);

private:
    Shell& shell_;
};

}  // namespace lumtar
