#include "SharedTestDir.h"

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
