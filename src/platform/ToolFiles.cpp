#include "platform/ToolFiles.h"

#include <QDir>
#include <QFile>

ToolFiles::ToolFiles(const QString& folder, QStringList names) : m_folder(folder), m_names(std::move(names))
{
    removeAll();
}

ToolFiles::~ToolFiles() { removeAll(); }

QString ToolFiles::path(const QString& name) const
{
    return m_folder.isEmpty() ? QString() : QDir(m_folder).filePath(name);
}

void ToolFiles::removeAll() const
{
    for (const QString& name : m_names) {
        if (const QString file = path(name); !file.isEmpty())
            QFile::remove(file);
    }
}
