// One small plug-in, built several times with other settings (TP_*), for the plug-in
// manager and launcher tests. Every call it gets is appended to the file that
// VD_TEST_JOURNAL names, as "<TP_NAME> <call>".

#include "iaccount.h"
#include "iburiedpoint.h"
#include "imainwindow.h"
#include "imygame.h"
#include "iplugin.h"
#include "simpleplugin.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>

namespace {

void journal(const QString& line)
{
    QFile file(qEnvironmentVariable("VD_TEST_JOURNAL"));
    if (file.fileName().isEmpty() || !file.open(QIODevice::Append))
        return;
    file.write((QStringLiteral(TP_NAME " ") + line + QLatin1Char('\n')).toUtf8());
}

// The life cycle, journaled, with the outcome the build asks for.
class JournaledPlugin : public SimplePlugin
{
public:
    explicit JournaledPlugin(QObject* object) : SimplePlugin(object, QUuid(QStringLiteral(TP_UUID))) {}

    bool prepare(IPluginManager*, int* order) override
    {
        journal(QStringLiteral("prepare"));
        if (TP_ORDER >= 0)
            *order = TP_ORDER;
        return TP_PREPARE;
    }
    bool init() override
    {
        journal(QStringLiteral("init"));
        if (const int slow = qEnvironmentVariableIntValue("VD_TEST_SLOW_INIT_MS"); slow > 0 && TP_SLOW)
            QThread::msleep(ulong(slow));
        return true;
    }
    bool initFinished() override
    {
        journal(QStringLiteral("initFinished"));
        return true;
    }
    bool start() override
    {
        journal(QStringLiteral("start"));
        return TP_START;
    }
    bool stop() override
    {
        journal(QStringLiteral("stop"));
        return true;
    }
};

} // namespace

#if TP_ROLE == 1
// Ends the event loop with VD_TEST_EXIT_CODE once, the first time any launcher starts it
// (a marker file beside the journal remembers); later starts end with 0.
class TestPlugin : public QObject, public JournaledPlugin, public IMainWindow
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IMainWindow)

public:
    TestPlugin() : JournaledPlugin(this) {}
    ~TestPlugin() override { journal(QStringLiteral("destroyed")); }

    QObject* getObject() override { return this; }
    bool start() override
    {
        if (qEnvironmentVariableIsSet("VD_TEST_EXIT_CODE")) {
            QFile marker(qEnvironmentVariable("VD_TEST_JOURNAL") + QStringLiteral(".exited"));
            const int code = marker.exists() ? 0 : qEnvironmentVariableIntValue("VD_TEST_EXIT_CODE");
            if (marker.open(QIODevice::WriteOnly))
                marker.close();
            QTimer::singleShot(300, [code] { QCoreApplication::exit(code); });
        }
        return JournaledPlugin::start();
    }
    void preInit(int stage) override { journal(QStringLiteral("preInit %1").arg(stage)); }
    void requestLogin() override {}
    int currentPage() override { return 8; }
    void closeBootAnimation(bool) override {}
    void changeBannerBackground(const BannerImage&) override {}
    bool isLoadingShown() override { return false; }
    void quitRequested() override
    {
        journal(QStringLiteral("quitRequested"));
        QCoreApplication::exit(0);
    }
    void searchInGooglePlay(const QString&) override {}
    void showRealSearchResult(const QList<SearchResultApp>&, QVariant) override {}

public slots:
    void onWindowToTop() { journal(QStringLiteral("onWindowToTop")); }
    void onShowGameType(const IMyGame::GameType type) { journal(QStringLiteral("onShowGameType %1").arg(type)); }
    void onFlePlayGame(const QString& package, const QString& instance)
    {
        journal(QStringLiteral("onFlePlayGame %1|%2").arg(package, instance));
    }
    void onShareMod(const QString& id) { journal(QStringLiteral("onShareMod %1").arg(id)); }
    void onDeepLink(const QString& pkg, const QString& promo, const QString& link)
    {
        journal(QStringLiteral("onDeepLink %1|%2|%3").arg(pkg, promo, link));
    }
};
#elif TP_ROLE == 2
class TestPlugin : public QObject, public JournaledPlugin, public IAccount
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IAccount)

public:
    TestPlugin() : JournaledPlugin(this) {}
    QObject* getObject() override { return this; }
    const ACCOUNTINFO& accountInfo() override { return m_info; }
    void refreshAccessToken() override {}

public slots:
    void onLoginPageShow() { journal(QStringLiteral("onLoginPageShow")); }
    void onGetSsoInfo() { journal(QStringLiteral("onGetSsoInfo")); }
    void onCloseLogin() { journal(QStringLiteral("onCloseLogin")); }

private:
    ACCOUNTINFO m_info;
};
#elif TP_ROLE == 3
// Reports finish at once, or never when VD_TEST_STATS is "never".
class TestPlugin : public QObject, public JournaledPlugin, public IBuriedpoint
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IBuriedpoint)

public:
    TestPlugin() : JournaledPlugin(this) {}
    QUuid postUploadEffects(const QJsonObject&) override { return QUuid::createUuid(); }
    QUuid postEffectsTriggered(const QJsonObject&) override { return QUuid::createUuid(); }
    QUuid postModEvents(const QJsonObject&) override { return QUuid::createUuid(); }
    QUuid postActiveUsers(const QJsonObject&) override { return QUuid::createUuid(); }
    QUuid report(const int& kind) override
    {
        journal(QStringLiteral("report %1").arg(kind));
        return QUuid::createUuid();
    }
    QUuid postStreamGameClick(const StreamClickStats&) override { return QUuid::createUuid(); }
    bool isDone(const QUuid&) override { return qEnvironmentVariable("VD_TEST_STATS") != QLatin1String("never"); }
    QUuid reportFinal() override
    {
        journal(QStringLiteral("reportFinal"));
        return QUuid::createUuid();
    }
};
#else
class TestPlugin : public QObject, public JournaledPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin)

public:
    TestPlugin() : JournaledPlugin(this) {}
    ~TestPlugin() override { journal(QStringLiteral("destroyed")); }
};
#endif

#include "testplugin.moc"
