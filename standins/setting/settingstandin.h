#pragma once

#include "isetting.h"
#include "standinplugin.h"

#include <QList>
#include <QObject>
#include <QPointer>

// The settings plug-in: the play strategy ("one button" configuration). Changing it posts
// the play-strategy change event to every registered receiver.
class SettingStandin : public QObject, public StandinPlugin, public ISetting
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin ISetting)

public:
    SettingStandin();

    int oneButtonConfig() override;
    void registerReceiver(QObject* receiver) override;

public slots:
    // The main window's settings menu calls it.
    void setOneButtonConfig(int value);

private:
    int m_oneButton = 1;
    QList<QPointer<QObject>> m_receivers;
};
