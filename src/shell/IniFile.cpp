#include "shell/IniFile.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QVarLengthArray>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && isBlank(v[b])) ++b;
    while (e > b && isBlank(v[e - 1])) --e;
    return v.sliced(b, e - b);
}

QByteArrayView trimmedRight(QByteArrayView v)
{
    qsizetype e = v.size();
    while (e > 0 && isBlank(v[e - 1])) --e;
    return v.first(e);
}

QByteArray lowered(QByteArrayView v) { return v.toByteArray().toLower(); }

// A section or key name lower-cased for one look-up, as `lowered` does, without allocating: a
// list load asks 90,000 times.
class LookUpName {
public:
    explicit LookUpName(QByteArrayView v) : m_buffer(v.size())
    {
        char* out = m_buffer.data();
        for (char c : v)
            *out++ = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    QByteArray key() const { return QByteArray::fromRawData(m_buffer.data(), m_buffer.size()); }

private:
    QVarLengthArray<char, 256> m_buffer;
};

QByteArrayView unquoted(QByteArrayView v)
{
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        return v.sliced(1, v.size() - 2);
    return v;
}

// Cuts to the read limit without splitting a multi-byte character in two.
QByteArray limited(QByteArrayView v)
{
    if (v.size() <= kIniReadLimit)
        return v.toByteArray();
    qsizetype n = kIniReadLimit;
    while (n > 0 && (static_cast<unsigned char>(v[n]) & 0xC0) == 0x80)
        --n;
    return v.first(n).toByteArray();
}

struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.exists())
        return {};
    return {true, fi.size(), fi.lastModified().toMSecsSinceEpoch(), fi.metadataChangeTime().toMSecsSinceEpoch()};
}

} // namespace

struct IniService::Document {
    struct Section {
        qsizetype header = -1;               // line of "[name]"; -1 for the lines before any section
        qsizetype lastKey = -1;              // line of the section's last key (or its header)
        QHash<QByteArray, qsizetype> keys;   // lower-case key -> line of its first occurrence
    };

    QString path;
    QList<QByteArray> lines;                 // without their terminators
    QByteArray eol = "\r\n";
    // A UTF-8 byte-order mark stays, so that other programs keep reading the file as UTF-8.
    bool bom = false;
    QHash<QByteArray, Section> sections;     // lower-case name -> first section of that name
    Stamp stamp;
    qint64 checkedTurn = -1;
    bool dirty = false;
    // The file exists but could not be read (no free descriptor, an I/O error): the copy is
    // empty, and writing it out would replace the file with the few keys written meanwhile.
    bool unread = false;

    void load()
    {
        lines.clear();
        eol = "\r\n";
        bom = false;
        dirty = false;
        QFile file(path);
        const bool opened = file.open(QIODevice::ReadOnly);
        QByteArray bytes = opened ? file.readAll() : QByteArray();
        unread = opened ? file.error() != QFileDevice::NoError : file.exists();
        if (opened && !unread) {
            bom = bytes.startsWith("\xEF\xBB\xBF");
            if (bom)
                bytes.remove(0, 3);
            const qsizetype firstEnd = findLineEnd(bytes.constData(), bytes.size());
            if (firstEnd < bytes.size())
                eol = bytes[firstEnd] == '\n' ? QByteArray("\n")
                      : (firstEnd + 1 < bytes.size() && bytes[firstEnd + 1] == '\n') ? QByteArray("\r\n")
                                                                                    : QByteArray("\r");
            LineSplitter splitter(bytes);
            QByteArrayView line;
            while (splitter.next(line))
                lines.append(line.toByteArray());
        }
        index();
    }

    static bool sectionName(QByteArrayView line, QByteArrayView& name)
    {
        const QByteArrayView t = trimmed(line);
        if (t.isEmpty() || t[0] != '[')
            return false;
        qsizetype close = t.indexOf(']');
        if (close < 0)
            close = t.size();
        name = trimmed(t.sliced(1, close - 1));
        return true;
    }

    static bool keyLine(QByteArrayView line, QByteArrayView& key, QByteArrayView& value)
    {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            return false;
        key = trimmed(line.first(eq));
        value = trimmed(line.sliced(eq + 1));
        return !key.isEmpty();
    }

    void index()
    {
        sections.clear();
        Section* current = nullptr;
        bool currentIsFirst = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArrayView name, key, value;
            if (sectionName(lines[i], name)) {
                const QByteArray lname = lowered(name);
                currentIsFirst = !sections.contains(lname);
                current = currentIsFirst ? &sections[lname] : nullptr;
                if (current) {
                    current->header = i;
                    current->lastKey = i;
                }
            } else if (current && currentIsFirst && keyLine(lines[i], key, value)) {
                const QByteArray lkey = lowered(key);
                if (!current->keys.contains(lkey))
                    current->keys.insert(lkey, i);
                current->lastKey = i;
            }
        }
    }

    const QByteArray* find(QByteArrayView section, QByteArrayView key, QByteArrayView& value) const
    {
        const auto s = sections.constFind(LookUpName(section).key());
        if (s == sections.cend())
            return nullptr;
        const auto k = s->keys.constFind(LookUpName(key).key());
        if (k == s->keys.cend())
            return nullptr;
        QByteArrayView name;
        keyLine(lines[*k], name, value);
        return &lines[*k];
    }

    void set(QByteArrayView section, QByteArrayView key, QByteArrayView value)
    {
        const auto s = sections.find(lowered(section));
        if (s == sections.end()) {
            dirty = true;
            lines.append('[' + section.toByteArray() + ']');
            lines.append(key.toByteArray() + '=' + value.toByteArray());
            index();
            return;
        }
        const auto k = s->keys.constFind(lowered(key));
        if (k != s->keys.cend()) {
            // The stored key keeps its spelling; only the value changes, in place.
            QByteArrayView storedKey, oldValue;
            keyLine(lines[*k], storedKey, oldValue);
            QByteArray line = storedKey.toByteArray() + '=' + value.toByteArray();
            // A value written as it stands changes nothing: the file need not be rewritten for it
            // (an ordinary start on a full disk then writes nothing).
            if (line != lines[*k]) {
                lines[*k] = std::move(line);
                dirty = true;
            }
            return;
        }
        dirty = true;
        lines.insert(s->lastKey + 1, key.toByteArray() + '=' + value.toByteArray());
        index();
    }

    Status save()
    {
        if (unread)
            return MakeRuntimeError(ErrorNumber::DeviceIO);
        QByteArray text = bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
        for (const QByteArray& line : lines)
            text.append(line).append(eol);
        if (Status failed = ReplaceWholeFile(path, text))
            return failed;
        dirty = false;
        stamp = stampOf(path);
        return std::nullopt;
    }
};

IniService::IniService() = default;
IniService::~IniService() = default;

IniService& IniService::instance()
{
    static IniService service;
    return service;
}

void IniService::postTurnEnd()
{
    // Without an event loop there are no turns: the first check stands until dropAll.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || m_turnEndPosted)
        return;
    m_turnEndPosted = true;
    QMetaObject::invokeMethod(app, [this] { ++m_turn; m_turnEndPosted = false; }, Qt::QueuedConnection);
}

void IniService::checkOnDisk(Document& doc)
{
    if (doc.checkedTurn == m_turn)
        return;
    doc.checkedTurn = m_turn;
    postTurnEnd();
    // Pending writes are ours to flush; a change behind them loses to them, as it would have
    // lost to a write made at once. A file that could not be read is tried again: writes made
    // to its empty copy could never be flushed.
    if (doc.dirty && !doc.unread)
        return;
    const Stamp now = stampOf(doc.path);
    if (now == doc.stamp && !doc.unread)
        return;
    doc.stamp = now;
    doc.load();
}

IniService::Document& IniService::document(const QString& fileName)
{
    auto key = m_keys.constFind(fileName);
    if (key == m_keys.cend()) {
        const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(fileName));
        if (!QDir::isAbsolutePath(fileName))
            return document(absolute); // a relative spelling depends on the current folder
        key = m_keys.insert(fileName, absolute);
    }
    std::shared_ptr<Document>& doc = m_documents[*key];
    if (!doc) {
        doc = std::make_shared<Document>();
        doc->path = *key;
        doc->stamp = stampOf(doc->path);
        doc->load();
        doc->checkedTurn = m_turn;
        postTurnEnd();
        return *doc;
    }
    checkOnDisk(*doc);
    return *doc;
}

QByteArray IniService::read(const QString& fileName, QByteArrayView section, QByteArrayView key,
                            QByteArrayView defaultValue)
{
    const Document& doc = document(fileName);
    QByteArrayView value;
    if (!doc.find(section, key, value))
        return limited(trimmedRight(defaultValue));
    return limited(unquoted(value));
}

void IniService::write(const QString& fileName, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    document(fileName).set(section, key, value);
}

Status IniService::save(const QString& fileName)
{
    Document& doc = document(fileName);
    if (!doc.dirty)
        return std::nullopt;
    return doc.save();
}

bool IniService::flush(const QString& fileName) { return !save(fileName); }

bool IniService::flushAll()
{
    bool ok = true;
    for (const std::shared_ptr<Document>& doc : std::as_const(m_documents))
        if (doc->dirty)
            ok = !doc->save() && ok;
    return ok;
}

void IniService::revert(const QString& fileName)
{
    m_documents.remove(QDir::cleanPath(QDir::current().absoluteFilePath(fileName)));
}

bool IniService::kill(const QString& fileName)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(fileName));
    m_documents.remove(absolute);
    return QFile::remove(absolute) || !QFileInfo::exists(absolute);
}

void IniService::dropAll()
{
    m_documents.clear();
    m_keys.clear();
}

QString ReadINI(const QString& fileName, const QString& section, const QString& key, const IniValue& defaultValue)
{
    return fromAnsi(IniService::instance().read(fileName, toAnsi(section), toAnsi(key), toAnsi(defaultValue.text())));
}

namespace {

// A value as a line of the file holds it: a line break would end the line.
QByteArray lineValue(const QString& value)
{
    QByteArray text = toAnsi(value);
    text.replace('\r', ' ').replace('\n', ' ');
    return text;
}

} // namespace

void WriteINI(const QString& fileName, const QString& section, const QString& key, const IniValue& value)
{
    IniService::instance().write(fileName, toAnsi(section), toAnsi(key), lineValue(value.text()));
}

QString StoredIniValue(const QString& value) { return fromAnsi(limited(unquoted(trimmed(lineValue(value))))); }

void FlushINI(const QString& fileName) { IniService::instance().flush(fileName); }

Status SaveINI(const QString& fileName) { return IniService::instance().save(fileName); }

void RevertINI(const QString& fileName) { IniService::instance().revert(fileName); }

bool KillINI(const QString& fileName) { return IniService::instance().kill(fileName); }
