#include "farplay.h"
#include "scriptedfarplaytest.h"
#include "testhome.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

// The game window on the scripted engine: texts and images for each launch type, the close
// paths to the launcher, full screen, placement, the maximise button and the icon retry.
class TestFarplayDialog : public ScriptedFarplayTest
{
    Q_OBJECT

private slots:

    void defaultsForAnEmptyLaunch()
    {
        Farplay dialog{FarplayLaunchInfo()};
        QCOMPARE(dialog.gameTitle(), QStringLiteral("Velmora Deck"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora Deck"));
        QCOMPARE(dialog.gameUrl(), Hubcore::instance()->getAppConfigValue(FarplayDefaultUrl).toString());
        QVERIFY(dialog.iconPath().endsWith(QStringLiteral("/image/default_img.svg")));
        QCOMPARE(dialog.form().widget_title->height(), 50);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("byFileEvent");
        QTest::addColumn<int>("messages");
        QTest::newRow("sign-in, close button") << "fromCloudLogin" << false << 1;
        QTest::newRow("login, close button") << "login" << false << 1;
        QTest::newRow("sign-in, file event 2") << "fromCloudLogin" << true << 0;
        QTest::newRow("game, close button") << "fromCloudGame" << false << 0;
    }

    void closing()
    {
        QFETCH(QString, type);
        QFETCH(bool, byFileEvent);
        QFETCH(int, messages);
        FarplayLaunchInfo info;
        info.type = type;
        info.gameName = QStringLiteral("Sky Racer");
        info.iconPath = QStringLiteral("/tmp/any-icon.png");
        auto* dialog = new Farplay(info);
        QSignalSpy received(&m_launcher, &BServer::playFarplay);
        QSignalSpy deleted(dialog, &Farplay::deleteSelf);
        const bool signIn = type.contains(QLatin1String("ogin"));
        QCOMPARE(dialog->gameTitle(), signIn ? QStringLiteral("Sign in Velmora Deck") : QStringLiteral("Sky Racer"));
        if (signIn)
            QVERIFY(dialog->iconPath().endsWith(QStringLiteral("/image/account/Default_img.svg")));
        dialog->show();
        if (byFileEvent)
            dialog->onFileEvent(FileWatcher::CloseLogin);
        else
            dialog->form().pushButton_close->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(deleted.count(), 1);
        QTest::qWait(200);
        QCOMPARE(received.count(), messages);
        if (messages)
            QCOMPARE(received.first().first().toString(), QStringLiteral("-closeLogin"));
        delete dialog;
    }

    void ordinaryWindowIgnoresFileEventTwo()
    {
        Farplay dialog{FarplayLaunchInfo()};
        dialog.show();
        dialog.onFileEvent(FileWatcher::CloseLogin);
        QVERIFY(dialog.isVisible());
    }

    void fullScreenBelongsToTheGame()
    {
        Farplay dialog{FarplayLaunchInfo()};
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F11);
        QVERIFY(!(dialog.windowState() & Qt::WindowFullScreen));
        dialog.gameFullscreenSwitch(true);
        QVERIFY(dialog.windowState() & Qt::WindowFullScreen);
        QVERIFY(dialog.form().widget_title->isHidden());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!(dialog.windowState() & Qt::WindowFullScreen));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.form().widget_title->isHidden());
        dialog.gameFullscreenSwitch(false);
        QVERIFY(!dialog.form().widget_title->isHidden());
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("1920 x 1040") << QRect(0, 0, 1920, 1040) << QRect(362, 196, 1195, 647);
        QTest::newRow("small screen") << QRect(0, 0, 1000, 600) << QRect(152, 77, 696, 446);
    }

    void placement()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        QCOMPARE(Farplay::placement(available), placed);
    }

    void maximiseButtonFollowsTheState()
    {
        Farplay dialog{FarplayLaunchInfo()};
        dialog.show();
        HxlPushButton* button = dialog.form().pushButton_max;
        QCOMPARE(button->toolTip(), QStringLiteral("Maximize"));
        button->click();
        QVERIFY(dialog.windowState() & Qt::WindowMaximized);
        QCOMPARE(button->toolTip(), QStringLiteral("Restore"));
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&dialog, &languageChange);
        QCOMPARE(button->toolTip(), QStringLiteral("Restore"));
        button->click();
        QCOMPARE(button->toolTip(), QStringLiteral("Maximize"));
    }

    void textsAreTranslated()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(VD_PROGRAM_DIR "/translations/velmora_de.qm")));
        QCoreApplication::installTranslator(&german);
        FarplayLaunchInfo info;
        info.type = QStringLiteral("login");
        Farplay dialog(info);
        QCOMPARE(dialog.gameTitle(), QStringLiteral("Bei Velmora Deck anmelden"));
        QCOMPARE(dialog.form().pushButton_close->toolTip(), QStringLiteral("Schließen"));
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(dialog.form().pushButton_close->toolTip(), QStringLiteral("Close"));
    }

    void missingIconIsLookedForUntilItAppears()
    {
        const QString icon = m_home.path() + QStringLiteral("/icon.svg");
        FarplayLaunchInfo info;
        info.iconPath = icon;
        Farplay dialog(info);
        QVERIFY(dialog.iconRetrying());
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/image/default_img.svg"), icon));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.iconRetrying(), 5000);
    }

private:
};

QTEST_MAIN(TestFarplayDialog)
#include "tst_farplaydialog.moc"
