#include "SharedTestDir.h"

#include "platform/MsgBox.h"

#include <QDir>
#include <QFile>

namespace {
constexpr char kVariable[] = "ZELVANE_TEST_SHARED_DIR";
}

SharedTestDir::SharedTestDir() : m_path(qEnvironmentVariable(kVariable))
{
    if (!m_path.isEmpty())
        return;
    m_owned = std::make_unique<QTemporaryDir>();
    m_path = m_owned->path();
    qputenv(kVariable, QFile::encodeName(m_path));
}

SharedTestDir::~SharedTestDir()
{
    if (m_owned)
        qunsetenv(kVariable);
}

QString SharedTestDir::filePath(const QString& name) const { return QDir(m_path).filePath(name); }

void recordMsgBoxesTo(const QString& file)
{
    setMsgBoxHandler([file](const QString& prompt, int style, const QString& title) {
        QFile f(file);
        if (f.open(QIODevice::WriteOnly | QIODevice::Append))
            f.write((prompt + QLatin1Char('|') + QString::number(style) + QLatin1Char('|') + title + QLatin1Char('\n')).toUtf8());
        return MsgAnswer::OK;
    });
}
