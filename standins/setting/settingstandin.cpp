#include "settingstandin.h"

#include "bevent.h"
#include "pluginids.h"

#include <QCoreApplication>
#include <QEvent>

SettingStandin::SettingStandin()
    : StandinPlugin(this, kSettingPluginId, QStringLiteral("setting"))
{
}

int SettingStandin::oneButtonConfig()
{
    record(QStringLiteral("oneButtonConfig"));
    return m_oneButton;
}

void SettingStandin::registerReceiver(QObject* receiver)
{
    record(QStringLiteral("registerReceiver"), {receiver ? QString::fromLatin1(receiver->metaObject()->className()) : QString()});
    if (receiver)
        m_receivers.append(receiver);
}

void SettingStandin::setOneButtonConfig(int value)
{
    record(QStringLiteral("setOneButtonConfig"), {value});
    m_oneButton = value;
    for (const QPointer<QObject>& receiver : qAsConst(m_receivers)) {
        if (receiver)
            QCoreApplication::postEvent(receiver, new QEvent(BEvent::PlayGameStrategyChange));
    }
}
