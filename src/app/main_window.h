#pragma once
// The main window Form1: header strip, amount panel, the seven pages and the
// bottom strip. It owns the state the pages share (Shell) and runs the
// start-up, activation, page-change and amount-field events.

#include <QWidget>
#include <memory>
#include <vector>

#include "app/activation.h"
#include "app/shell.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QTimer;
class QFrame;

namespace lumtar {

class ClickLabel;
class OnlineServices;
class Page;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const AppOptions& options, QWidget* parent = nullptr);
    ~TForm1() override;

    Shell& shell() { return shell_; }
    QTabWidget* pages() const { return PageControl1; }
    Page* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

    // Event handlers, named after their control and event.
    void FormActivate();
    void PageControl1Change();
    void edtBdChange();
    void Image4Click();

signals:
    // After each activation has run; lets tests and the online services follow.
    void activated();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    void buildAmountPanel();
    void buildPages();
    void buildBottomStrip();
    void writeBaseFeeCaption();

    Shell shell_;

    QWidget* Panel3 = nullptr;
    QWidget* Panel7 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    QWidget* Panel11 = nullptr;
    ClickLabel* Image3 = nullptr;
    QLineEdit* Edit1 = nullptr;

    QWidget* Panel6 = nullptr;
    QLineEdit* edtBd = nullptr;
    QLabel* Label24 = nullptr;
    ClickLabel* Image4 = nullptr;

    QTabWidget* PageControl1 = nullptr;
    std::vector<Page*> pages_;

    QFrame* Panel10 = nullptr;
    QLabel* Label35 = nullptr;
    ClickLabel* Label32 = nullptr;
    QLabel* Labelhttp = nullptr;
    QTimer* Timer1 = nullptr;

    OnlineServices* online_ = nullptr;
    ProgramActivation activation_;
};

}  // namespace lumtar
