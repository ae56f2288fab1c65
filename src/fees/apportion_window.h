#pragma once
// The apportionment window "诉讼费负担": one acceptance fee divided among up to
// four parties in proportion to the part of the subject amount each bears.
// The user types a portion row by row; the row below always receives what is
// left, each row shows its share of the fee, and a note says whether the
// shares as shown add up to the fee.

#include <QColor>
#include <QDialog>
#include <array>
#include <exception>
#include <functional>

#include "app/activation.h"
#include "app/shell.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumtar {

class SpeedButton;

class Tfrmfen : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmfen(Shell& shell, QWidget* parent = nullptr);

    // Fills the fee label ("0.00") and the amount label (as typed) before the
    // window is shown; the activation reads them back.
    void setCase(const QString& feeText, const QString& amountText);

    // Event handlers, named after their control and event.
    void FormActivate();
    void Edit1Change() {
        runHandler([this] { rowChanged(0); });
    }
    void Edit2Change() {
        runHandler([this] { rowChanged(1); });
    }
    void Edit3Change() {
        runHandler([this] { rowChanged(2); });
    }
    void BitBtn1Click();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildRows(QWidget* box);
    // Runs a handler that writes rows. Each write of a changed text runs that
    // row's rule at once, nested; a failure anywhere ends the whole chain as
    // one event, and only the outermost handler reports it.
    void runHandler(const std::function<void()>& handler);
    void writeRow(int row, const QString& text);
    void rowChanged(int row);
    void reset();
    void setRowEditable(int row, bool editable);

    Shell& shell_;
    QLabel* LBD = nullptr;
    QLabel* LQVD = nullptr;
    std::array<QLineEdit*, 4> rows_{};
    std::array<SpeedButton*, 4> shares_{};
    QLabel* StaticText1 = nullptr;
    QColor editableColor_;

    double amount_ = 0;  // A, the subject amount
    double fee_ = 0;     // F, the fee to divide

    int handlerDepth_ = 0;
    std::exception_ptr chainError_;
    bool activating_ = false;
    bool activationPending_ = false;
    bool ignoreActivation_ = false;
    ProgramActivation activation_;
};

}  // namespace lumtar
