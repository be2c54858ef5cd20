// The Remixery bridge in a real web engine page, in one run:
//   (a) round trip of a request: from the page calling webBridge.dataChanged to the reply
//       arriving in the page, median over sequential requests, spaced out as a page's
//       requests usually are and back to back;
//   (b) a burst of pushes from the client: how long the GUI thread takes to queue them,
//       and the rate at which the page receives them (the 10 ms delivery gap caps it near
//       100 per second).
// Usage: bench_remixery [round trips] [burst]   (defaults 51 and 1000)

#include "hubcore.h"
#include "localhttpserver.h"
#include "pageprobe.h"
#include "probesite.h"
#include "webmanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>

namespace {

QTextStream out(stdout);

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// Sequential getLanguage requests from the page, each sent pauseMs after the previous reply.
QVector<double> roundTrips(const PageProbe& probe, int count, int pauseMs)
{
    probe.evaluate(QStringLiteral(
                       "window.trips = []; (function () {"
                       "  var start = 0;"
                       "  function ask() { start = performance.now();"
                       "    window.send(JSON.stringify({event: 'getLanguage', callbackEvent: 'trip'})); }"
                       "  window.bridge.contentChanged.connect(function (m) {"
                       "    if (m.event !== 'trip' || window.trips.length >= %1) return;"
                       "    window.trips.push(performance.now() - start);"
                       "    if (window.trips.length < %1) setTimeout(ask, %2); });"
                       "  ask(); })(); true")
                       .arg(count)
                       .arg(pauseMs));
    probe.waitUntil(QStringLiteral("window.trips.length >= %1").arg(count), 60000);
    QVector<double> trips;
    for (const QJsonValue& trip : QJsonDocument::fromJson(
             probe.evaluate(QStringLiteral("JSON.stringify(window.trips)")).toString().toUtf8()).array())
        trips.append(trip.toDouble());
    return trips;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(folder, home.path().toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const int tripCount = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 51;
    const int burst = argc > 2 ? qMax(2, QString::fromLocal8Bit(argv[2]).toInt()) : 1000;
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));

    LocalHttpServer server;
    if (!serveBridgeProbe(server)) {
        out << "no loopback server for the probe page\n";
        return 1;
    }
    Hubcore::instance()->setAppconfigValue(DomainTestHost, server.url().toString());

    QWidget host;
    host.resize(800, 600);
    host.show();
    WebManager manager;
    manager.createBrowser(8, server.url(QStringLiteral("/remixery")).toString(), &host);
    const PageProbe probe(host.findChild<QWebEngineView*>()->page());
    if (!probe.waitUntilReady(30000)) {
        out << "the probe page did not load\n";
        return 1;
    }

    for (int pauseMs : {50, 0}) {
        const QVector<double> trips = roundTrips(probe, tripCount, pauseMs);
        out << QStringLiteral("(a) request round trip, %1 ms between requests, median of %2: %3 ms (min %4, max %5)\n")
                   .arg(pauseMs)
                   .arg(trips.size())
                   .arg(median(trips), 0, 'f', 2)
                   .arg(trips.isEmpty() ? 0 : *std::min_element(trips.begin(), trips.end()), 0, 'f', 2)
                   .arg(trips.isEmpty() ? 0 : *std::max_element(trips.begin(), trips.end()), 0, 'f', 2);
    }

    probe.evaluate(QStringLiteral("window.arrivals = []; window.bridge.contentChanged.connect(function (m) {"
                                  "  if (m.event === 'burst') window.arrivals.push(performance.now()); }); true"));
    QElapsedTimer queueing;
    queueing.start();
    for (int i = 0; i < burst; ++i)
        manager.sendMessage(8, QStringLiteral("burst"), {{QStringLiteral("n"), i}});
    const double queueMs = queueing.nsecsElapsed() / 1e6;
    probe.waitUntil(QStringLiteral("window.arrivals.length >= %1").arg(burst), burst * 50 + 10000);
    const QJsonArray arrivals = QJsonDocument::fromJson(
        probe.evaluate(QStringLiteral("JSON.stringify([window.arrivals.length, window.arrivals[0],"
                                      " window.arrivals[window.arrivals.length - 1]])"))
            .toString()
            .toUtf8()).array();
    const int received = arrivals.at(0).toInt();
    const double spanMs = arrivals.at(2).toDouble() - arrivals.at(1).toDouble();
    out << QStringLiteral("(b) burst of %1 pushes: queued in %2 ms on the GUI thread; %3 received over %4 ms:"
                          " %5 per second\n")
               .arg(burst)
               .arg(queueMs, 0, 'f', 2)
               .arg(received)
               .arg(spanMs, 0, 'f', 0)
               .arg(spanMs > 0 ? (received - 1) * 1000.0 / spanMs : 0, 0, 'f', 1);
    return 0;
}
