#include "bevent.h"
#include "countrycodechangeevent.h"
#include "hubcore.h"
#include "pluginrig.h"
#include "testhome.h"

#include <QtTest>

// RemixeryPlugin where the feature is switched off. A process of its own: the availability
// is computed once per process.
class TestRemixeryDisabled : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("VELMORA_GEO_ISO2", "US");
        BEvent::init();
        Hubcore::instance()->setAppconfigValue(RemixeryEnabled, false);
    }

    void startsButAnswersNothing()
    {
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        QVERIFY(!rig.remixery->isRemixerySupported());
        QVERIFY(!rig.platform.settingReceiver);

        ACCOUNTINFO account;
        account.signedIn = true;
        account.userId = QStringLiteral("u-9");
        emit rig.platform.changeAccountInfo(account);
        CountryCodeChangeEvent country(QStringLiteral("US"));
        QCoreApplication::sendEvent(rig.object(), &country);
        QCoreApplication::processEvents();
        QCOMPARE(rig.platform.journal, QStringList());
        QCOMPARE(rig.http.urls, QStringList());
    }

    void availabilityIsKeptForTheProcess()
    {
        Hubcore::instance()->setAppconfigValue(RemixeryEnabled, true);
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        QVERIFY(!rig.remixery->isRemixerySupported());
        QVERIFY(!rig.platform.settingReceiver);
    }

private:
    TestHome m_home;
};

QTEST_GUILESS_MAIN(TestRemixeryDisabled)
#include "tst_remixerydisabled.moc"
