#pragma once

#include <QDialog>

#include "app/shell.h"

namespace lumtar {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Shell& shell, QWidget* parent = nullptr);

private:
    Shell& shell_;
};

}  // namespace lumtar
