#pragma once
// The two per-case base fees a province sets within the Measures' ranges:
// divorce cases 50 to 300 yuan, personality-rights cases 100 to 500 yuan.
// They live in section "qvd" of the base-fee file.

#include <QString>

#include "app/ini_file.h"

namespace lumtar {

// The ranges the Measures allow; only a confirm in the settings window checks
// them, a value put in the file by other means is used as it stands.
inline constexpr int kDivorceBaseFeeMin = 50;
inline constexpr int kDivorceBaseFeeMax = 300;
inline constexpr int kPersonalityBaseFeeMin = 100;
inline constexpr int kPersonalityBaseFeeMax = 500;

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
