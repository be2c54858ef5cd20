// hubcoreprobe COMMAND...: runs Hubcore calls in order and prints one line for each.
//   value N     the configuration value of key N
//   host PATH   getHostUrl(GameListService, PATH)
//   arm         setClearWebCache(true)
//   clear       doClearWebCache()
#include "hubcore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& command = args.at(i);
        if (command == QLatin1String("value") && i + 1 < args.size())
            out << Hubcore::instance()->getAppConfigValue(AppConfig(args.at(++i).toInt())).toString() << '\n';
        else if (command == QLatin1String("host") && i + 1 < args.size())
            out << Hubcore::instance()->getHostUrl(GameListService, args.at(++i)) << '\n';
        else if (command == QLatin1String("arm")) {
            Hubcore::instance()->setClearWebCache(true);
            out << "armed\n";
        } else if (command == QLatin1String("clear")) {
            Hubcore::instance()->doClearWebCache();
            out << "cleared\n";
        } else {
            return 2;
        }
    }
    return 0;
}
