#include "language.h"

#include "userstate.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

namespace {

const QString kLanguageKey = QStringLiteral("language/current");
const QString kDefaultLanguage = QStringLiteral("en");

bool isLanguageCode(const QString& code)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}([_-][A-Za-z0-9]{2,8})?$"));
    return pattern.match(code).hasMatch();
}

QString rememberedLanguage()
{
    const QString code = UserState::value(kLanguageKey).toString();
    if (code.isEmpty())
        return kDefaultLanguage;
    if (!isLanguageCode(code)) {
        qWarning() << "[hubcore] remembered language ignored:" << code;
        return kDefaultLanguage;
    }
    return code;
}

// "farplay_de.qm" and "farplay_ja.qm" -> "farplay".
QStringList translationNames(const QDir& folder)
{
    QSet<QString> names;
    const QStringList files = folder.entryList({QStringLiteral("*_*.qm")}, QDir::Files);
    for (const QString& file : files)
        names.insert(file.section(QLatin1Char('_'), 0, 0));
    QStringList sorted = names.values();
    sorted.sort();
    return sorted;
}

} // namespace

Language* Language::instance()
{
    static Language* language = new Language;  // lives as long as the process
    return language;
}

void Language::init()
{
    apply(rememberedLanguage());
}

void Language::updateLanguageFromCache()
{
    const QString code = rememberedLanguage();
    if (code == m_code)
        return;
    apply(code);
    emit languageChange(code);
}

bool Language::setLanguage(const QString& code)
{
    if (!isLanguageCode(code)) {
        qWarning() << "[hubcore] not a language code:" << code;
        return false;
    }
    UserState::setValue(kLanguageKey, code);
    if (code != m_code) {
        apply(code);
        emit languageChange(code);
    }
    return true;
}

LanguageDetail Language::getCurrentLD() const
{
    const QLocale locale(m_code);
    return {QLocale::languageToString(locale.language()), locale.nativeLanguageName(), m_code, locale.name(),
            locale.textDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr")};
}

void Language::apply(const QString& code)
{
    for (QTranslator* translator : qAsConst(m_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
    m_code = code;

    const QLocale locale(code);
    const QDir own(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    QList<QPair<QString, QString>> sources;  // (folder, name)
    sources.append({QLibraryInfo::location(QLibraryInfo::TranslationsPath), QStringLiteral("qtbase")});
    const QStringList names = translationNames(own);
    for (const QString& name : names)
        sources.append({own.path(), name});
    for (const auto& source : qAsConst(sources)) {
        auto* translator = new QTranslator;
        if (translator->load(locale, source.second, QStringLiteral("_"), source.first)) {
            QCoreApplication::installTranslator(translator);
            m_translators.append(translator);
        } else {
            delete translator;
        }
    }
    qInfo() << "[hubcore] language" << code << "with" << m_translators.size() << "translation files";
}
