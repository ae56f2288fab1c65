#include "app/result_copy.h"

#include <QLineEdit>

#include "app/guard.h"
#include "app/widgets.h"

namespace lumtar {

void CopyCaption(QLineEdit* carrier, const QString& caption) {
    carrier->setText(caption);
    carrier->selectAll();
    carrier->copy();
}

void ConnectCopyOnClick(SpeedButton* result, QLineEdit* carrier) {
    QObject::connect(result, &SpeedButton::clicked, result, [result, carrier] {
        Guarded(result, [&] { CopyCaption(carrier, result->text()); });
    });
}

void ConnectResultCopy(SpeedButton* result, QWidget* rowName, QLineEdit* carrier) {
    ConnectCopyOnClick(result, carrier);
    result->setAccessibleDescription(rowName->property("text").toString());
    QObject::connect(result, &SpeedButton::mouseEntered, rowName,
                     [rowName] { Guarded(rowName, [&] { SetTextColor(rowName, colors::kRed); }); });
    QObject::connect(result, &SpeedButton::mouseLeft, rowName, [rowName] {
        Guarded(rowName, [&] { SetTextColor(rowName, colors::kBlack); });
    });
}

}  // namespace lumtar
