#include "fees/apportion_window.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <span>

#include "amounts/number_text.h"
#include "app/activation.h"
#include "app/guard.h"
#include "app/message_box.h"
#include "app/result_copy.h"
#include "app/widgets.h"
#include "fees/apportionment.h"

namespace lumtar {

namespace {

// Thrown by a writer whose nested rule failed: the writer stops there too.
struct RuleChainStopped {};

double ReadNumber(const QString& text) {
    return StrToFloat(text.toStdString());
}

QString Figures(double value) {
    return QString::fromStdString(FormatFixed2(value));
}

}  // namespace

Tfrmfen::Tfrmfen(Shell& shell, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), shell_(shell) {
    setObjectName(QStringLiteral("frmfen"));
    setWindowTitle(QStringLiteral("诉讼费负担"));
    setFont(SongTi(13));
    setFixedSize(430, 318);

    MakeLabel(this, "Label3", QStringLiteral("标的金额"), 20, 18, SongTi(14));
    LBD = MakeLabel(this, "LBD", QString(), 92, 16, SongTi(16, true));
    LBD->setFixedSize(130, 20);
    MakeLabel(this, "Label1", QStringLiteral("诉讼费"), 236, 18, SongTi(14));
    LQVD = MakeLabel(this, "LQVD", QString(), 294, 16, SongTi(16, true));
    LQVD->setFixedSize(124, 20);

    auto* box = Make<QGroupBox>(this, "GroupBox1", 12, 46, 406, 216);
    box->setTitle(QStringLiteral("拆分"));
    buildRows(box);

    auto* reset = Make<QPushButton>(this, "BitBtn1", 86, 274, 140, 30);
    reset->setText(QStringLiteral("分项清零重算"));
    connect(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    auto* back = Make<QPushButton>(this, "BitBtn2", 240, 274, 100, 30);
    back->setText(QStringLiteral("返回"));
    connect(back, &QPushButton::clicked, this, [this] { Guarded(this, [this] { reject(); }); });
}

void Tfrmfen::buildRows(QWidget* box) {
    editableColor_ = palette().color(QPalette::Base);
    const char* rowNames[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    const char* shareNames[] = {"L1", "L2", "L3", "L4"};
    for (int i = 0; i < 4; ++i) {
        const int top = 26 + i * 38;
        QLineEdit* row = Make<QLineEdit>(box, rowNames[i], 16, top, 170, 28);
        row->setFont(SongTi(16, true));
        row->setText(QStringLiteral("0"));
        row->setAccessibleName(QStringLiteral("第%1项标的").arg(i + 1));
        rows_[i] = row;

        auto* share = Make<SpeedButton>(box, shareNames[i], 198, top, 192, 28);
        share->setFont(SongTi(16));
        share->setToolTip(QStringLiteral("点击复制结果"));
        share->setAccessibleDescription(QStringLiteral("第%1项诉讼费").arg(i + 1));
        ConnectCopyOnClick(share, shell_.Edit1);
        shares_[i] = share;
    }
    connect(rows_[0], &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(rows_[1], &QLineEdit::textChanged, this, [this] { Edit2Change(); });
    connect(rows_[2], &QLineEdit::textChanged, this, [this] { Edit3Change(); });
    for (int i = 1; i < 4; ++i) setRowEditable(i, false);

    StaticText1 = Make<QLabel>(box, "StaticText1", 16, 180, 374, 24);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void Tfrmfen::setCase(const QString& feeText, const QString& amountText) {
    LQVD->setText(feeText);
    LBD->setText(amountText);
}

bool Tfrmfen::event(QEvent* event) {
    const bool result = QDialog::event(event);
    // Coming back from another program is no new activation of this window
    // within the program: the rows keep what the user typed.
    if (activation_.isActivation(event)) FormActivate();
    return result;
}

void Tfrmfen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A fresh opening: nothing left over from an earlier one decides its activation.
    ignoreActivation_ = false;
    activationPending_ = false;
    activation_.reset();
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrmfen::FormActivate() {
    // The error box of a bad row gives activation back without a reset, and a
    // reset never starts another one.
    if (std::exchange(ignoreActivation_, false) || activating_) return;
    // Activation by a box closed inside a rule waits for the rules to finish.
    if (handlerDepth_ > 0) {
        activationPending_ = true;
        return;
    }
    activating_ = true;
    runHandler([this] {
        fee_ = ReadNumber(LQVD->text());
        amount_ = ReadNumber(LBD->text());
        reset();
    });
    activating_ = false;
}

void Tfrmfen::BitBtn1Click() {
    runHandler([this] { reset(); });
}

void Tfrmfen::runHandler(const std::function<void()>& handler) {
    const auto run = [&] {
        try {
            handler();
        } catch (...) {
            if (!chainError_) chainError_ = std::current_exception();
        }
    };
    if (handlerDepth_ > 0) {
        if (chainError_) return;
        ++handlerDepth_;
        run();
        --handlerDepth_;
        return;
    }
    Guarded(this, [&] {
        chainError_ = nullptr;
        handlerDepth_ = 1;
        run();
        handlerDepth_ = 0;
        if (std::exception_ptr error = std::exchange(chainError_, nullptr)) {
            activationPending_ = false;
            ignoreActivation_ = true;
            std::rethrow_exception(error);
        }
        if (std::exchange(activationPending_, false)) FormActivate();
    });
}

void Tfrmfen::writeRow(int row, const QString& text) {
    rows_[row]->setText(text);  // a changed text runs the row's rule now
    if (chainError_) throw RuleChainStopped{};
}

void Tfrmfen::reset() {
    for (int i = 0; i < 4; ++i) writeRow(i, QStringLiteral("0"));
    for (SpeedButton* share : shares_) share->setText(QString());
    for (int i = 1; i < 4; ++i) setRowEditable(i, false);
}

// The rule of rows 1 to 3: the row below receives what is left of the amount,
// and every row shows its share of the fee.
void Tfrmfen::rowChanged(int row) {
    // A row may stay empty while the user types.
    if (rows_[row]->text().trimmed().isEmpty()) return;
    for (int i = 0; i < 4; ++i)
        if (i != row && rows_[i]->text().isEmpty()) writeRow(i, QStringLiteral("0"));

    std::array<double, 4> typed{};
    for (int i = 0; i < 4; ++i) typed[i] = ReadNumber(rows_[i]->text());

    const int next = row + 1;
    const double remainder = RemainingPortion(amount_, std::span<const double>(typed.data(), next));
    writeRow(next, Figures(remainder));
    if (IsShortfall(remainder)) {
        ShowMessage(this, QStringLiteral("数值输入有误！"));
        return;
    }

    std::array<double, 4> portions{};
    for (int i = 0; i < next; ++i) portions[i] = typed[i];
    portions[next] = remainder;
    for (int i = 0; i < 4; ++i) shares_[i]->setText(Figures(FeeShare(portions[i], amount_, fee_)));

    std::array<double, 4> shown{};
    for (int i = 0; i < 4; ++i) shown[i] = ReadNumber(shares_[i]->text());
    StaticText1->setText(QString::fromStdString(AgreementNote(ReadNumber(LQVD->text()), shown)));

    // The row below may take a portion of its own only while something is left.
    if (next < 3) setRowEditable(next, ReadNumber(rows_[next]->text()) > 0);
}

void Tfrmfen::setRowEditable(int row, bool editable) {
    rows_[row]->setReadOnly(!editable);
    SetBaseColor(rows_[row], editable ? editableColor_ : colors::kMoneyGreen);
}

}  // namespace lumtar
