#pragma once
// The settings accessor: names one INI file and reads or writes one key at a
// time. It keeps no copy: every read sees the file as it is on disk, and every
// write reaches the disk before it returns.

#include <QList>
#include <QPair>
#include <QString>
#include <stdexcept>

namespace lumtar {

// A write the file system refused; the message is "Unable to write to <path>".
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    int readInteger(const QString& section, const QString& key, int fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    // Every key and value of section in one read, in file order; empty when
    // the file or the section is missing.
    QList<QPair<QString, QString>> readSection(const QString& section) const;

    // Replaces or adds one line; the file is rewritten through a temporary
    // file beside it and a rename, so it is never left half written.
    void writeInteger(const QString& section, const QString& key, int value) const;

private:
    QString path_;
};

}  // namespace lumtar
