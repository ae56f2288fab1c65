#include "fees/base_fees.h"

namespace lumtar {

namespace {
const QString kSection = QStringLiteral("qvd");
const QString kDivorceKey = QStringLiteral("lihun");
const QString kPersonalityKey = QStringLiteral("renge");
}  // namespace

BaseFees ReadBaseFees(const IniFile& file) {
    BaseFees fees;
    fees.divorce = file.readInteger(kSection, kDivorceKey, 50);
    fees.personality = file.readInteger(kSection, kPersonalityKey, 100);
    return fees;
}

void WriteBaseFees(const IniFile& file, const BaseFees& fees) {
    file.writeInteger(kSection, kDivorceKey, fees.divorce);
    file.writeInteger(kSection, kPersonalityKey, fees.personality);
}

QString BaseFeeCaption(const QString& divorce, const QString& personality) {
    return QStringLiteral("离婚") + divorce + QStringLiteral("元 人格权") + personality +
           QStringLiteral("元");
}

QString BaseFeeCaption(const BaseFees& fees) {
    return BaseFeeCaption(QString::number(fees.divorce), QString::number(fees.personality));
}

}  // namespace lumtar
