// A plug-in that does nothing, built BENCH_INDEX times with its own uuid, for the start-up
// benchmark.
#include "simpleplugin.h"

#include <QObject>

class TrivialPlugin : public QObject, public SimplePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin)

public:
    TrivialPlugin()
        : SimplePlugin(this, QUuid(QStringLiteral("{00000000-0000-4000-9000-0000000000%1}").arg(BENCH_INDEX, 2, 10,
                                                                                                QLatin1Char('0'))))
    {
    }
};

#include "trivialplugin.moc"
