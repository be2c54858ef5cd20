#include "iaccount.h"
#include "imainwindow.h"
#include "iplugin.h"
#include "pluginmanager.h"
#include "testhome.h"

#include <QtTest>

namespace {

const QUuid kOrder100(QStringLiteral("{00000000-0000-4000-8000-000000000100}"));
const QUuid kOrder500a(QStringLiteral("{00000000-0000-4000-8000-000000000501}"));
const QUuid kPrepareFails(QStringLiteral("{00000000-0000-4000-8000-00000000dead}"));

// A plug-in folder holding copies of the named test plug-ins, with a journal of their calls.
class PluginFolder
{
public:
    explicit PluginFolder(const QStringList& plugins)
    {
        for (const QString& plugin : plugins) {
            const QString file = QStringLiteral("lib%1.so").arg(plugin);
            QFile::copy(QStringLiteral(VD_TEST_PLUGINS "/") + file, m_dir.path() + QLatin1Char('/') + file);
        }
        QFile(m_dir.path() + QStringLiteral("/readme.txt")).open(QIODevice::WriteOnly);  // not a library
        qputenv("VD_TEST_JOURNAL", journalPath().toLocal8Bit());
    }
    QString path() const { return m_dir.path(); }
    QString journalPath() const { return m_dir.path() + QStringLiteral("/journal.txt"); }
    QStringList journal() const
    {
        QFile file(journalPath());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // The plug-ins that got call, in order.
    QStringList callers(const QString& call) const
    {
        QStringList names;
        for (const QString& line : journal()) {
            if (line.section(QLatin1Char(' '), 1) == call)
                names << line.section(QLatin1Char(' '), 0, 0);
        }
        return names;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestPluginManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void lifeCycleInOrder()
    {
        PluginFolder folder({"tp_order900", "tp_order500a", "tp_preparefails", "tp_order100", "tp_order500b",
                             "tp_startfails"});
        PluginManager manager;
        manager.setPluginFolder(folder.path());
        QVERIFY(manager.loadPlugins());
        QVERIFY(manager.getPlugin(kPrepareFails));  // registered until prepared
        QVERIFY2(!manager.startPlugins(), "one plug-in failed to start");

        QCOMPARE(folder.callers("prepare").size(), 6);
        const QStringList inits = folder.callers("init");
        QCOMPARE(inits.size(), 5);
        QCOMPARE(inits.first(), QStringLiteral("tp_order100"));
        QCOMPARE(inits.last(), QStringLiteral("tp_order900"));
        QVERIFY(inits.contains("tp_order500a") && inits.contains("tp_order500b") && inits.contains("tp_startfails"));
        QCOMPARE(folder.callers("initFinished"), inits);
        const QStringList starts = folder.callers("start");
        QCOMPARE(QSet<QString>(starts.begin(), starts.end()), QSet<QString>(inits.begin(), inits.end()));
        QVERIFY(!manager.getPlugin(kPrepareFails));
        QVERIFY(manager.getPlugin(kOrder100));

        // Every call of the life cycle comes after all init calls.
        const QStringList journal = folder.journal();
        const int lastInit = journal.lastIndexOf(QRegularExpression(QStringLiteral(".* init$")));
        QVERIFY(journal.indexOf(QRegularExpression(QStringLiteral(".* initFinished$"))) > lastInit);

        manager.releasePlugins();
        const QStringList stops = folder.callers("stop");
        QCOMPARE(QSet<QString>(stops.begin(), stops.end()), QSet<QString>(inits.begin(), inits.end()));
        QVERIFY(folder.callers("destroyed").contains("tp_preparefails"));
        QCOMPARE(folder.callers("destroyed").size(), 6);
        QVERIFY(!manager.getPlugin(kOrder100));
    }

    void duplicateUuidKeepsTheFirst()
    {
        PluginFolder folder({"tp_order500a", "tp_duplicate"});
        PluginManager manager;
        manager.setPluginFolder(folder.path());
        QVERIFY(manager.loadPlugins());
        QCOMPARE(folder.callers("destroyed").size(), 1);  // the second is released at once
        QVERIFY(manager.getPlugin(kOrder500a));
        manager.startPlugins();
        QCOMPARE(folder.callers("start").size(), 1);
        QVERIFY(folder.callers("destroyed").first() != folder.callers("start").first());
    }

    void managerInterfaceAndLookups()
    {
        PluginFolder folder({"tp_mainwindow", "tp_account"});
        PluginManager manager;
        manager.setPluginFolder(folder.path());
        QVERIFY(manager.loadPlugins());
        QCOMPARE(manager.managerText(), QString());
        manager.attachHook(&manager);
        QCOMPARE(manager.getObject(), &manager);
        QCOMPARE(qobject_cast<IPluginManager*>(&manager), static_cast<IPluginManager*>(&manager));
        QVERIFY(manager.qt_metacast("PluginManager") && manager.qt_metacast("IPluginManager"));
        QVERIFY(manager.getPluginInfo(QUuid(QStringLiteral("{243c31c1-2d9b-56cb-adac-def801894f8e}"))));
        QVERIFY(!manager.getPluginInfo(kOrder100));
        QVERIFY(manager.mainWindow());
        QVERIFY(manager.account());
        manager.preInitMainWindow(3);
        QCOMPARE(folder.callers("preInit 3"), QStringList{"tp_mainwindow"});
    }

    void withoutPlugins()
    {
        PluginManager manager;
        manager.setPluginFolder(home.path() + QStringLiteral("/nowhere"));
        QVERIFY(!manager.loadPlugins());
        QVERIFY(manager.startPlugins());
        QVERIFY(!manager.mainWindow());
        QVERIFY(!manager.account());
        manager.preInitMainWindow(1);
        manager.releasePlugins();
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestPluginManager)
#include "tst_pluginmanager.moc"
