// Sets an environment variable for one test and restores it afterwards; programs that the test
// starts (fakemame) inherit it.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtGlobal>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// The program's current folder for one test.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const QString& folder) : m_saved(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~ScopedCurrentFolder() { QDir::setCurrent(m_saved); }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    QString m_saved;
};
