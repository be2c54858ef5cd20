#include "platform.h"
#include "testhome.h"

#include <QtTest>

class TestPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void registryRoundTrip()
    {
        {
            auto product = Platform::openUserSoftwareKey(QStringLiteral("Velmora Test"));
            product->setValue(QStringLiteral("guid"), QStringLiteral("8c0b6a9e-2f0e-4c5f-9a55-3a8f9d2b7c11"));
            product->setValue(QStringLiteral("run"), QStringLiteral("/opt/Velmora Deck/velmora-deck"));
            product->setValue(QStringLiteral("disableOverrideRunPath"), true);
            auto shared = Platform::openUserSoftwareKey();
            shared->setValue(QStringLiteral("guid"), QStringLiteral("shared-guid"));
        }
        auto product = Platform::openUserSoftwareKey(QStringLiteral("Velmora Test"));
        auto shared = Platform::openUserSoftwareKey();
        QCOMPARE(product->value(QStringLiteral("guid")).toString(),
                 QStringLiteral("8c0b6a9e-2f0e-4c5f-9a55-3a8f9d2b7c11"));
        QCOMPARE(product->value(QStringLiteral("run")).toString(), QStringLiteral("/opt/Velmora Deck/velmora-deck"));
        QCOMPARE(product->value(QStringLiteral("disableOverrideRunPath"), false).toBool(), true);
        QCOMPARE(product->value(QStringLiteral("missing"), false).toBool(), false);
        QCOMPARE(shared->value(QStringLiteral("guid")).toString(), QStringLiteral("shared-guid"));
        QVERIFY(product->fileName() != shared->fileName());
    }

    void registryKeysStayInTheConfigFolder_data()
    {
        QTest::addColumn<QString>("subKey");
        QTest::addColumn<QString>("file");
        QTest::newRow("shared key") << QString() << "SOFTWARE.ini";
        QTest::newRow("product key") << "VelmoraDeck" << "SOFTWARE/VelmoraDeck.ini";
        QTest::newRow("nested key") << "Maker\\VelmoraDeck" << "SOFTWARE/Maker/VelmoraDeck.ini";
        QTest::newRow("parent parts dropped") << "..\\..\\..\\etc/passwd" << "SOFTWARE/etc/passwd.ini";
        QTest::newRow("only dots") << ".\\.." << "SOFTWARE.ini";
    }
    void registryKeysStayInTheConfigFolder()
    {
        QFETCH(QString, subKey);
        QFETCH(QString, file);
        auto key = Platform::openUserSoftwareKey(subKey);
        QCOMPARE(key->fileName(), home.config() + QLatin1Char('/') + file);
    }

    void localAppDataIsTheUserDataFolder()
    {
        QCOMPARE(Platform::localAppDataPath(), home.data());
    }

    void geographicCode_data()
    {
        QTest::addColumn<QStringList>("environment");  // NAME=value; a bare NAME means set but empty
        QTest::addColumn<QString>("code");
        QTest::newRow("override") << QStringList{"VELMORA_GEO_ISO2=jp", "LANG=en_US.UTF-8"} << "JP";
        QTest::newRow("empty override means unknown") << QStringList{"VELMORA_GEO_ISO2", "LANG=ja_JP.UTF-8"} << "";
        QTest::newRow("bad override") << QStringList{"VELMORA_GEO_ISO2=Japan"} << "";
        QTest::newRow("from LANG") << QStringList{"LANG=ja_JP.UTF-8"} << "JP";
        QTest::newRow("LC_ALL first") << QStringList{"LC_ALL=de_DE@euro", "LANG=ja_JP.UTF-8"} << "DE";
        QTest::newRow("LC_ADDRESS before LANG") << QStringList{"LC_ADDRESS=fr_FR", "LANG=en_US"} << "FR";
        QTest::newRow("no territory") << QStringList{"LANG=C.UTF-8"} << "";
        QTest::newRow("nothing set") << QStringList{} << "";
    }
    void geographicCode()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, code);
        for (const char* name : {"VELMORA_GEO_ISO2", "LC_ALL", "LC_ADDRESS", "LANG"})
            qunsetenv(name);
        for (const QString& entry : environment)
            qputenv(entry.section(QLatin1Char('='), 0, 0).toLatin1().constData(),
                    entry.section(QLatin1Char('='), 1).toLocal8Bit());
        QCOMPARE(Platform::userGeoIso2(), code);
    }

    void dllDirectoryIsHarmless()
    {
        QVERIFY(Platform::setDllDirectory(QStringLiteral("./cef")));
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
