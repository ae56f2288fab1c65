#pragma once
// Page "关于": a picture and the about text.

#include "app/page.h"
#include "app/shell.h"

namespace lumtar {

class AboutPage : public Page {
    Q_OBJECT
public:
    explicit AboutPage(const Shell& shell, QWidget* parent = nullptr);
};

}  // namespace lumtar
