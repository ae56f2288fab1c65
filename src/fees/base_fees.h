#pragma once
// The two per-case base fees a province sets within the Measures' ranges:
// divorce cases 50 to 300 yuan, personality-rights cases 100 to 500 yuan.
// They live in section "qvd" of the base-fee file.

#include <QString>

#include "app/ini_file.h"

namespace lumtar {

struct BaseFees {
    int divorce = 50;       // key "lihun"
    int personality = 100;  // key "renge"
};

BaseFees ReadBaseFees(const IniFile& file);
void WriteBaseFees(const IniFile& file, const BaseFees& fees);

// "离婚50元 人格权100元".
QString BaseFeeCaption(const QString& divorce, const QString& personality);
QString BaseFeeCaption(const BaseFees& fees);

}  // namespace lumtar
