#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// The object the Remixery web application reaches as "webBridge" on its web channel. The
// page sends with webBridge.dataChanged(text) and listens to webBridge.contentChanged;
// the client delivers a message by writing the property "content", possibly from a worker
// thread (the channel carries the signal across).
class WebBridge : public QObject
{
    Q_OBJECT
    // Writing emits contentChanged with the value and stores nothing, so reading always
    // gives an empty object.
    Q_PROPERTY(QJsonObject content READ content WRITE setContent)

public:
    explicit WebBridge(QObject* parent = nullptr);

    Q_INVOKABLE void dataChanged(QString data);

    QJsonObject content() const { return m_content; }
    void setContent(const QJsonObject& data);

signals:
    void htmlData(QString data);
    void contentChanged(QJsonObject data);

private:
    QJsonObject m_content;  // never set
};
