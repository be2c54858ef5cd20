#include "journal.h"

#include "hubcore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

QString Journal::path()
{
    const QString named = qEnvironmentVariable("VELMORA_STANDIN_JOURNAL");
    return named.isEmpty() ? Hubcore::instance()->dataFolderPath() + QStringLiteral("/logs/standins.jsonl") : named;
}

void Journal::record(const QString& plugin, const QString& call, const QJsonArray& args)
{
    static QMutex mutex;
    const QByteArray line =
        QJsonDocument(QJsonObject{{QStringLiteral("plugin"), plugin}, {QStringLiteral("call"), call},
                                  {QStringLiteral("args"), args}})
            .toJson(QJsonDocument::Compact)
        + '\n';
    QMutexLocker lock(&mutex);
    QFile file(path());
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (file.open(QIODevice::Append))
        file.write(line);
}
