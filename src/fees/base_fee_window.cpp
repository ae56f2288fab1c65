#include "fees/base_fee_window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "amounts/number_text.h"
#include "app/guard.h"
#include "app/message_box.h"
#include "app/widgets.h"

namespace lumtar {

namespace {

const QString kNotWholeNumbers = QStringLiteral("出错，请确认输入的是小写数字。操作被退回。");
const QString kDivorceOutOfRange =
    QStringLiteral("离婚案件收费基数设定高于或低于法定数，操作被退回。");
const QString kPersonalityOutOfRange =
    QStringLiteral("人格权侵权案件收费基数设定高于或停低于法定数，操作被退回。");

struct FeeRow {
    const char* editName;
    const char* captionName;
    const char* rangeName;
};

// A caption with its legal range beneath it, and the field beside them.
QLineEdit* MakeFeeRow(QWidget* box, const FeeRow& names, const QString& caption,
                      const QString& range, int top) {
    MakeLabel(box, names.captionName, caption, 18, top, SongTi(13));
    MakeLabel(box, names.rangeName, range, 18, top + 18, SongTi(12));
    const char* editName = names.editName;
    auto* edit = Make<QLineEdit>(box, editName, 118, top + 4, 96, 24);
    edit->setFont(SongTi(15, true));
    edit->setAccessibleName(caption);
    return edit;
}

}  // namespace

TForm2::TForm2(Shell& shell, QWidget* parent) : QDialog(parent, kFixedDialogFlags), shell_(shell) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("起算基数设定"));
    setFont(SongTi(13));
    setFixedSize(254, 170);

    auto* box = Make<QGroupBox>(this, "GroupBox1", 10, 6, 234, 110);
    Edit1 = MakeFeeRow(box, {"Edit1", "Label1", "Label2"}, QStringLiteral("离婚案件"),
                       QStringLiteral("(50-300)"), 16);
    Edit2 = MakeFeeRow(box, {"Edit2", "Label3", "Label4"}, QStringLiteral("人格权侵权"),
                       QStringLiteral("(100-500)"), 62);
    Edit1->setText(QStringLiteral("50"));
    Edit2->setText(QStringLiteral("100"));

    auto* confirm = Make<SpeedButton>(this, "SpeedButton1", 28, 128, 92, 28);
    confirm->setText(QStringLiteral("确定修改"));
    auto* back = Make<SpeedButton>(this, "SpeedButton2", 134, 128, 92, 28);
    back->setText(QStringLiteral("返回"));
    for (SpeedButton* button : {confirm, back}) button->setAutoRaise(false);
    connect(confirm, &SpeedButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton1Click(); }); });
    connect(back, &SpeedButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton2Click(); }); });
}

void TForm2::fill(const BaseFees& fees) {
    Edit1->setText(QString::number(fees.divorce));
    Edit2->setText(QString::number(fees.personality));
}

void TForm2::SpeedButton1Click() {
    const QString divorceText = Edit1->text();
    const QString personalityText = Edit2->text();
    // A field left blank is taken as not finished yet: nothing happens.
    if (divorceText.trimmed().isEmpty() || personalityText.trimmed().isEmpty()) return;

    // Both must read as whole numbers before either range is looked at.
    const auto divorce = ParseInt32(divorceText.trimmed().toStdString());
    const auto personality = ParseInt32(personalityText.trimmed().toStdString());
    if (!divorce || !personality) {
        ShowMessage(this, kNotWholeNumbers);
        return;
    }
    if (*divorce > kDivorceBaseFeeMax || *divorce < kDivorceBaseFeeMin) {
        ShowMessage(this, kDivorceOutOfRange);
        return;
    }
    if (*personality > kPersonalityBaseFeeMax || *personality < kPersonalityBaseFeeMin) {
        ShowMessage(this, kPersonalityOutOfRange);
        return;
    }

    // A refused write raises here: the window stays open and the caption keeps its text.
    WriteBaseFees(shell_.baseFees, BaseFees{*divorce, *personality});
    if (shell_.mainWindow) {
        if (auto* caption =
                shell_.mainWindow->findChild<QAbstractButton*>(QStringLiteral("SpeedButtonjishu")))
            caption->setText(BaseFeeCaption(divorceText, personalityText));
    }
    accept();
}

void TForm2::SpeedButton2Click() {
    reject();
}

}  // namespace lumtar
