#include "webbridge.h"

WebBridge::WebBridge(QObject* parent)
    : QObject(parent)
{
}

void WebBridge::dataChanged(QString data)
{
    emit htmlData(data);
}

void WebBridge::setContent(const QJsonObject& data)
{
    emit contentChanged(data);
}
