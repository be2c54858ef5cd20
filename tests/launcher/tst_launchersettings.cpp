#include "appconfig.h"
#include "hubcore.h"
#include "launchersettings.h"
#include "platform.h"
#include "testhome.h"

#include <QtTest>

namespace {
const QString kGuid = QStringLiteral("guid");
const QString kShared = QStringLiteral("6f1f4a3e-1c2b-4d5e-8f70-0a1b2c3d4e5f");
const QString kProduct = QStringLiteral("0c9d8e7f-6a5b-4c3d-9e2f-1a0b9c8d7e6f");
}

class TestLauncherSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(home.isValid());
        QDir(home.config()).removeRecursively();
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/xdata"));
    }

    void identity_data()
    {
        QTest::addColumn<QString>("productGuid");
        QTest::addColumn<QString>("sharedGuid");
        QTest::addColumn<QString>("expected");  // "new": a fresh uuid
        QTest::addColumn<QString>("sharedAfter");
        QTest::newRow("first run") << "" << "" << "new" << "new";
        QTest::newRow("shared key copied") << "" << kShared << kShared << kShared;
        QTest::newRow("product key kept") << kProduct << kShared << kProduct << kShared;
        QTest::newRow("all zeros is missing") << "00000000-0000-0000-0000-000000000000" << kShared << kShared << kShared;
        QTest::newRow("zeros and dashes") << "0000-00" << "" << "new" << "new";
        QTest::newRow("garbage is missing") << "not a uuid" << "{also not}" << "new" << "new";
    }
    void identity()
    {
        QFETCH(QString, productGuid);
        QFETCH(QString, sharedGuid);
        QFETCH(QString, expected);
        QFETCH(QString, sharedAfter);
        if (!productGuid.isEmpty())
            Platform::openUserSoftwareKey(QStringLiteral("VelmoraDeck"))->setValue(kGuid, productGuid);
        if (!sharedGuid.isEmpty())
            Platform::openUserSoftwareKey()->setValue(kGuid, sharedGuid);

        loadLauncherSettings();
        const QString used = Hubcore::instance()->getAppConfigValue(InstallGuid).toString();
        const QString product = Platform::openUserSoftwareKey(QStringLiteral("VelmoraDeck"))->value(kGuid).toString();
        const QString shared = Platform::openUserSoftwareKey()->value(kGuid).toString();
        QCOMPARE(product, used);
        if (expected == QLatin1String("new")) {
            QVERIFY(!QUuid(used).isNull());
            QVERIFY2(!used.startsWith(QLatin1Char('{')), "written without braces");
            QCOMPARE(used, used.toLower());
            QCOMPARE(shared, used);
        } else {
            QCOMPARE(used, expected);
            QCOMPARE(shared, sharedAfter);
        }
    }

    void runPathNameAndVersion()
    {
        {
            QSettings xdata(QCoreApplication::applicationDirPath() + QStringLiteral("/xdata"), QSettings::IniFormat);
            xdata.setValue(QStringLiteral("Info/name"), QStringLiteral("Velmora Deck"));
            xdata.setValue(QStringLiteral("Info/version"), QStringLiteral("0.17.10.6"));
        }
        loadLauncherSettings();
        auto product = Platform::openUserSoftwareKey(QStringLiteral("VelmoraDeck"));
        QCOMPARE(product->value(QStringLiteral("run")).toString(),
                 QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
        QCOMPARE(product->value(QStringLiteral("name")).toString(), QStringLiteral("Velmora Deck"));
        QCOMPARE(product->value(QStringLiteral("version")).toString(), QStringLiteral("0.17.10.6"));
        QCOMPARE(Hubcore::instance()->getAppConfigValue(InstallVersion).toString(), QStringLiteral("0.17.10.6"));

        product->setValue(QStringLiteral("run"), QStringLiteral("C:/elsewhere.exe"));
        product->setValue(QStringLiteral("disableOverrideRunPath"), true);
        product->setValue(QStringLiteral("version"), QStringLiteral("1.0"));
        product->setValue(QStringLiteral("name"), QStringLiteral("Mine"));
        product->sync();
        loadLauncherSettings();
        product = Platform::openUserSoftwareKey(QStringLiteral("VelmoraDeck"));
        QCOMPARE(product->value(QStringLiteral("run")).toString(), QStringLiteral("C:/elsewhere.exe"));
        QCOMPARE(product->value(QStringLiteral("name")).toString(), QStringLiteral("Mine"));
        QCOMPARE(Hubcore::instance()->getAppConfigValue(InstallVersion).toString(), QStringLiteral("1.0"));
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/xdata"));
    }

    void noInstallationFile()
    {
        loadLauncherSettings();
        auto product = Platform::openUserSoftwareKey(QStringLiteral("VelmoraDeck"));
        QCOMPARE(product->value(QStringLiteral("name")).toString(), QString());
        QCOMPARE(Hubcore::instance()->getAppConfigValue(InstallVersion).toString(), QString());
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestLauncherSettings)
#include "tst_launchersettings.moc"
