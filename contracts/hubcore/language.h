#pragma once

#include "hubcore_export.h"

#include <QList>
#include <QObject>
#include <QString>

class QTranslator;

// One language as the client shows it.
struct LanguageDetail
{
    QString name;        // in English: "German"
    QString nativeName;  // in itself: "Deutsch"
    QString code;        // the code web pages use: "de"
    QString locale;      // Qt's locale name: "de_DE"
    QString direction;   // "ltr" or "rtl"
};

// The user's language, shared by all of the user's processes. The chosen code is
// remembered in the data folder's "state.ini"; its translations are every
// "<name>_<code>.qm" of the program folder's "translations/" and Qt's own "qtbase" files.
// GUI thread only.
class HUBCORE_EXPORT Language : public QObject
{
    Q_OBJECT

public:
    static Language* instance();

    // Takes the remembered language ("en" when none) and installs its translations.
    void init();
    // Switches to the remembered language if another process has changed it.
    void updateLanguageFromCache();
    // Switches, remembers the choice and emits languageChange; a language code that is not
    // a plain code ("de", "pt_BR") is refused.
    bool setLanguage(const QString& code);

    QString currentLanguage() const { return m_code; }
    LanguageDetail getCurrentLD() const;

signals:
    // After a switch, once; the new translations are installed by then.
    void languageChange(const QString& language);

private:
    Language() = default;
    void apply(const QString& code);

    QString m_code = QStringLiteral("en");
    QList<QTranslator*> m_translators;
};
