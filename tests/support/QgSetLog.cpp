#include "QgSetLog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString ValueText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(qint64(value.toDouble()));
    if (value.isNull())
        return QStringLiteral("null");
    return value.toString();
}

} // namespace

QStringList QgSetPdu::Texts() const
{
    QStringList texts;
    for (const QgSetBinding &binding : Bindings)
        texts << binding.Oid + '=' + binding.Type + ':' + binding.Value;
    return texts;
}

const QString QgSetLog::SyncOid = QStringLiteral("1.3.6.1.4.1.47893.0.0");

namespace {

// Every entry of the log, sync SETs included.
std::vector<QgSetPdu> ReadAll(const QString &path)
{
    std::vector<QgSetPdu> pdus;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return pdus;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        QgSetPdu pdu;
        pdu.Time = entry.value("time").toString();
        pdu.Version = entry.value("version").toString();
        pdu.Community = entry.value("community").toString();
        pdu.User = entry.value("user").toString();
        pdu.Error = entry.value("error").toString();
        pdu.ErrorIndex = entry.value("errorIndex").toInt();
        for (const QJsonValue &item : entry.value("bindings").toArray()) {
            const QJsonObject binding = item.toObject();
            pdu.Bindings.push_back({binding.value("oid").toString(), binding.value("type").toString(),
                                    ValueText(binding.value("value"))});
        }
        pdus.push_back(std::move(pdu));
    }
    return pdus;
}

bool IsSync(const QgSetPdu &pdu)
{
    return pdu.Bindings.size() == 1 && pdu.Bindings[0].Oid == QgSetLog::SyncOid;
}

} // namespace

std::vector<QgSetPdu> QgSetLog::Read() const
{
    std::vector<QgSetPdu> pdus = ReadAll(path_);
    std::erase_if(pdus, IsSync);
    return pdus;
}

bool QgSetLog::HasSync(int value) const
{
    for (const QgSetPdu &pdu : ReadAll(path_))
        if (IsSync(pdu) && pdu.Bindings[0].Value == QString::number(value))
            return true;
    return false;
}

void QgSetLog::Clear() const
{
    QFile file(path_);
    if (file.exists())
        file.resize(0);
}

QString QgSetLog::Describe() const
{
    QStringList lines;
    for (const QgSetPdu &pdu : Read())
        lines << QStringLiteral("[%1] %2").arg(pdu.Error, pdu.Texts().join(QStringLiteral(", ")));
    return lines.join('\n');
}
