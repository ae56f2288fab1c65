#include "app/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "app/ini_text.h"

namespace lumtar {
namespace {

// Names and most values are plain ASCII, which GBK leaves as it is; the
// converter, costly to open, is only needed for Chinese text.
bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string ToGbk(const QString& text) {
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) return text.toLatin1().toStdString();
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}

QString FromGbk(const std::string& bytes) {
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

std::optional<std::string> FindValue(const QString& path, const QString& section,
                                     const QString& key) {
    const auto content = ReadWhole(path);
    if (!content) return std::nullopt;
    return IniFindValue(*content, ToGbk(section), ToGbk(key));
}

}  // namespace

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const auto value = FindValue(path_, section, key);
    return value ? FromGbk(*value) : fallback;
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const {
    const auto value = FindValue(path_, section, key);
    if (!value) return fallback;
    return IniParseInteger(*value).value_or(fallback);
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    const auto value = FindValue(path_, section, key);
    if (!value) return fallback;
    const auto number = IniParseInteger(*value);
    return number ? *number != 0 : fallback;
}

QList<QPair<QString, QString>> IniFile::readSection(const QString& section) const {
    QList<QPair<QString, QString>> entries;
    const auto content = ReadWhole(path_);
    if (!content) return entries;
    for (const auto& [key, value] : IniSectionEntries(*content, ToGbk(section)))
        entries.append({FromGbk(key), FromGbk(value)});
    return entries;
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) const {
    const std::string before = ReadWhole(path_).value_or(std::string());
    const std::string after =
        IniSetValue(before, ToGbk(section), ToGbk(key), std::to_string(value));
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(after.data(), static_cast<qint64>(after.size())) ==
                   static_cast<qint64>(after.size());
    ok = ok && file.commit();
    if (!ok) throw IniWriteError(("Unable to write to " + path_).toStdString());
}

}  // namespace lumtar
