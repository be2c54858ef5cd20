// Launcher start-up and hand-off, in medians over repeated real processes:
//   (a) second-instance hand-off: from starting a second launcher to the first instance's
//       server emitting windowToTop (this program plays the first instance);
//   (b) first-instance start until its server listens, with 0 and with 10 plug-ins;
//   (c) a bare QCoreApplication process that exits at once: the floor; and, for reference,
//       a process that constructs a QApplication, as the launcher does before anything else.
// Usage: bench_launcher [runs]   (default 21)

#include "bserver.h"
#include "namedmutex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

QTextStream out(stdout);

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// A program folder with the launcher and pluginCount trivial plug-ins.
QString makeProgramFolder(const QTemporaryDir& root, const QString& name, int pluginCount)
{
    const QString folder = root.path() + QLatin1Char('/') + name;
    QDir().mkpath(folder + QStringLiteral("/xplugins"));
    QFile::copy(QStringLiteral(BENCH_LAUNCHER), folder + QStringLiteral("/velmora-deck"));
    for (int i = 0; i < pluginCount; ++i) {
        const QString file = QStringLiteral("/libbench_trivial%1.so").arg(i);
        QFile::copy(QStringLiteral(BENCH_PLUGINS) + file, folder + QStringLiteral("/xplugins") + file);
    }
    return folder + QStringLiteral("/velmora-deck");
}

double floorRun(const QProcessEnvironment& environment, const QString& program)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, QStringList());
    process.waitForFinished(30000);
    return clock.nsecsElapsed() / 1e6;
}

double handOffRun(const QString& launcher, const QProcessEnvironment& environment, BServer& server)
{
    QEventLoop loop;
    QObject::connect(&server, &BServer::windowToTop, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(launcher, {QStringLiteral("-mygames")});
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    QObject::disconnect(&server, &BServer::windowToTop, &loop, &QEventLoop::quit);
    process.waitForFinished(30000);
    return ms;
}

double firstStartRun(const QString& launcher, const QProcessEnvironment& environment, const QString& serverName)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(launcher, QStringList());
    double ms = -1;
    while (clock.elapsed() < 30000) {
        QLocalSocket probe;
        probe.connectToServer(serverName);
        if (probe.waitForConnected(50)) {
            ms = clock.nsecsElapsed() / 1e6;
            break;
        }
        QThread::usleep(200);
    }
    process.kill();
    process.waitForFinished(10000);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 21;

    QTemporaryDir root;
    for (const char* folder : {"runtime", "data", "config", "cache"}) {
        const QString path = root.path() + QLatin1Char('/') + QLatin1String(folder);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.path() + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.path() + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(BENCH_PROGRAM_DIR));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("VELMORA_CONFIG"));
    const QString serverName = root.path() + QStringLiteral("/runtime/velmora-deck.sock");
    const QString bare = makeProgramFolder(root, QStringLiteral("bare"), 0);
    const QString loaded = makeProgramFolder(root, QStringLiteral("loaded"), 10);

    QVector<double> floor, guiFloor, handOff, start0, start10;
    for (int i = 0; i < runs; ++i) {
        floor << floorRun(environment, QStringLiteral(BENCH_FLOOR));
        guiFloor << floorRun(environment, QStringLiteral(BENCH_GUI_FLOOR));
    }
    for (int i = 0; i < runs; ++i) {
        start0 << firstStartRun(bare, environment, serverName);
        start10 << firstStartRun(loaded, environment, serverName);
    }
    {
        // This process is the first instance: it holds the mutex and listens.
        qputenv("XDG_RUNTIME_DIR", environment.value(QStringLiteral("XDG_RUNTIME_DIR")).toLocal8Bit());
        NamedMutex mutex(QStringLiteral("VelmoraDeck.Launcher"));
        BServer server;
        server.start(serverName);
        for (int i = 0; i < runs; ++i)
            handOff << handOffRun(bare, environment, server);
    }

    const double base = median(floor);
    auto line = [base](const char* what, double ms) {
        out << QStringLiteral("%1 %2 ms  (%3 x floor)\n").arg(QLatin1String(what), -44).arg(ms, 8, 'f', 2).arg(ms / base, 0, 'f', 2);
    };
    out << "median of " << runs << " runs each\n";
    line("(c) bare QCoreApplication process (floor)", base);
    line("    bare QApplication process", median(guiFloor));
    line("(a) second-instance hand-off", median(handOff));
    line("(b) first start until listening, 0 plug-ins", median(start0));
    line("(b) first start until listening, 10 plug-ins", median(start10));
    return 0;
}
