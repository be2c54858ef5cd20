#include "hubcore.h"
#include "language.h"
#include "testhome.h"

#include <QtTest>

namespace {

QString hello()
{
    return QCoreApplication::translate("LanguageProbe", "Hello");
}

// What another process does when the user picks a language there.
void rememberElsewhere(const QString& code)
{
    QSettings state(Hubcore::instance()->dataFolderPath() + QStringLiteral("/state.ini"), QSettings::IniFormat);
    state.setValue(QStringLiteral("language/current"), code);
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
    }

    void startsInEnglish()
    {
        Language::instance()->init();
        QCOMPARE(Language::instance()->currentLanguage(), QStringLiteral("en"));
        QCOMPARE(Language::instance()->getCurrentLD().code, QStringLiteral("en"));
        QCOMPARE(hello(), QStringLiteral("Hello"));
    }

    void switchingInstallsTranslationsAndTellsOnce()
    {
        Language* language = Language::instance();
        QSignalSpy changes(language, &Language::languageChange);
        QVERIFY(language->setLanguage(QStringLiteral("de")));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toString(), QStringLiteral("de"));
        QCOMPARE(hello(), QStringLiteral("Hallo"));
        const LanguageDetail detail = language->getCurrentLD();
        QCOMPARE(detail.code, QStringLiteral("de"));
        QCOMPARE(detail.nativeName, QStringLiteral("Deutsch"));
        QCOMPARE(detail.direction, QStringLiteral("ltr"));

        QVERIFY(language->setLanguage(QStringLiteral("de")));  // no switch, no signal
        QVERIFY(!language->setLanguage(QStringLiteral("../../etc")));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(language->currentLanguage(), QStringLiteral("de"));
    }

    void cacheIsReadAgainOnRequest()
    {
        Language* language = Language::instance();
        QSignalSpy changes(language, &Language::languageChange);
        language->updateLanguageFromCache();
        QCOMPARE(changes.count(), 0);

        rememberElsewhere(QStringLiteral("en"));
        language->updateLanguageFromCache();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toString(), QStringLiteral("en"));
        QCOMPARE(hello(), QStringLiteral("Hello"));

        rememberElsewhere(QStringLiteral("not a language!"));  // refused: English stays
        language->updateLanguageFromCache();
        QCOMPARE(changes.count(), 1);
    }

    void initTakesTheRememberedLanguage()
    {
        rememberElsewhere(QStringLiteral("de"));
        Language::instance()->init();
        QCOMPARE(Language::instance()->currentLanguage(), QStringLiteral("de"));
        QCOMPARE(hello(), QStringLiteral("Hallo"));
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
