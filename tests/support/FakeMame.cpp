#include "FakeMame.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

QString installFakeMame(const QString& mameFolder)
{
    const QString target = QDir(mameFolder).filePath(MameProgramName());
    QDir().mkpath(mameFolder);
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(ZELVANE_FAKEMAME_PATH), target))
        ADD_FAILURE() << "cannot install fakemame as " << target.toStdString();
    QFile::setPermissions(target, QFile::permissions(QStringLiteral(ZELVANE_FAKEMAME_PATH)));
    return target;
}

std::vector<FakeMameRun> readFakeMameRuns(const QString& logFile)
{
    std::vector<FakeMameRun> runs;
    QFile log(logFile);
    if (!log.open(QIODevice::ReadOnly))
        return runs;
    while (!log.atEnd()) {
        const QByteArray line = log.readLine().trimmed();
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonObject run = QJsonDocument::fromJson(line, &error).object();
        if (error.error != QJsonParseError::NoError) {
            ADD_FAILURE() << "unreadable fakemame log line: " << line.toStdString();
            continue;
        }
        FakeMameRun r;
        for (const QJsonValue& arg : run.value(QStringLiteral("args")).toArray())
            r.args << arg.toString();
        r.cwd = run.value(QStringLiteral("cwd")).toString();
        const QJsonValue ini = run.value(QStringLiteral("mameIni"));
        if (ini.isString())
            r.mameIni = ini.toString().toLatin1();
        for (const QJsonValue& refused : run.value(QStringLiteral("refused")).toArray())
            r.refused << refused.toString();
        runs.push_back(std::move(r));
    }
    return runs;
}
