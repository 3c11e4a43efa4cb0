// The program's only access to INI files: read one value, write one value, flush a file.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

// A value as the INI procedures take it: Booleans become "True"/"False", numbers their digits.
class IniValue {
public:
    IniValue(bool value) : m_text(value ? QStringLiteral("True") : QStringLiteral("False")) {}
    IniValue(int value) : m_text(QString::number(value)) {}
    IniValue(qint64 value) : m_text(QString::number(value)) {}
    IniValue(const QString& value) : m_text(value) {}
    IniValue(const char* value) : m_text(QString::fromUtf8(value)) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The most bytes of a value that ReadINI gives back: the 255-byte buffer less its terminating NUL.
inline constexpr qsizetype kIniReadLimit = 254;

// The stored value (at most 254 bytes, surrounding blanks and one pair of quotes removed), or
// the text of `defaultValue` when the file, section or key is missing.
QString ReadINI(const QString& fileName, const QString& section, const QString& key, const IniValue& defaultValue);

// Stores the value (each CR and LF becomes a blank) in the cached copy of the file.
void WriteINI(const QString& fileName, const QString& section, const QString& key, const IniValue& value);

// What ReadINI gives back, once the file is read again, for a value that WriteINI stored.
QString StoredIniValue(const QString& value);

// The null write that ends every batch: the cached copy replaces the file on disk. Silent: a
// failure leaves the file as it was and the writes pending, for the next flush to try again.
void FlushINI(const QString& fileName);

// The null write for callers that tell the user when it fails: why the file could not be
// replaced (it is then as it was, and the writes stay pending).
Status SaveINI(const QString& fileName);

// Forgets the writes that are not on disk yet: the next read sees the file as it stands.
void RevertINI(const QString& fileName);

// Deletes an INI file and forgets its cached copy; true when the file is gone.
bool KillINI(const QString& fileName);

// The cache behind the procedures above. Each file is parsed once and served from memory; a
// change made by another program is noticed by a check of size and times, made at most once
// per file per turn of the event loop.
class IniService {
public:
    static IniService& instance();

    QByteArray read(const QString& fileName, QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue);
    void write(const QString& fileName, QByteArrayView section, QByteArrayView key, QByteArrayView value);
    Status save(const QString& fileName);
    bool flush(const QString& fileName); // true when the file on disk holds every write
    bool flushAll();
    void revert(const QString& fileName);
    bool kill(const QString& fileName);

    // Drops every cached copy, pending writes included (tests start each case afresh).
    void dropAll();

    IniService(const IniService&) = delete;
    IniService& operator=(const IniService&) = delete;
    ~IniService();

private:
    IniService();
    struct Document;
    Document& document(const QString& fileName);
    void checkOnDisk(Document& doc);
    void postTurnEnd();

    QHash<QString, QString> m_keys;                             // spelling -> absolute path
    QHash<QString, std::shared_ptr<Document>> m_documents;      // absolute path -> copy
    qint64 m_turn = 0;
    bool m_turnEndPosted = false;
};
