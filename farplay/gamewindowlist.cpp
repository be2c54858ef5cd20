#include "gamewindowlist.h"

#include "farplay.h"
#include "hubcore.h"
#include "platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

namespace {

QString dataFolder()
{
    return Platform::localAppDataPath() + QLatin1Char('/') + Hubcore::instance()->getAppConfigValue(DataDirName).toString();
}

// A launch argument names a file in the launch folder, nothing else.
bool isPlainFileName(const QString& argument)
{
    return !argument.contains(QLatin1Char('/')) && !argument.contains(QLatin1Char('\\')) && argument != QLatin1String(".")
        && argument != QLatin1String("..") && !QDir::isAbsolutePath(argument);
}

} // namespace

GameWindowList::GameWindowList(QObject* parent)
    : QObject(parent)
{
}

QString GameWindowList::launchFolder()
{
    // On Windows the configuration folder + "/../" is the local application data folder.
    return dataFolder() + QStringLiteral("/LocalGames");
}

void GameWindowList::readLaunchInfo(const QString& argument, FarplayLaunchInfo& info)
{
    if (argument.isEmpty()) {
        info.url = Hubcore::instance()->getAppConfigValue(FarplayDefaultUrl).toString();
        return;
    }
    if (!isPlainFileName(argument)) {
        qWarning() << "[farplay] not a launch description name, ignored:" << argument;
        return;
    }
    QFile file(launchFolder() + QLatin1Char('/') + argument);
    if (file.open(QIODevice::ReadOnly)) {
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(file.readAll(), &error).object();
        if (error.error == QJsonParseError::NoError) {
            info.packageName = json.value(QLatin1String("package_name")).toString();
            info.type = json.value(QLatin1String("type")).toString();
            info.url = json.value(QLatin1String("cloud_app_url")).toString();
            info.gameName = json.value(QLatin1String("game_name")).toString();
            if (!info.packageName.isEmpty())
                info.iconPath = dataFolder() + QStringLiteral("/cache/icons/") + info.packageName;
        } else {
            qWarning() << "[farplay] launch description is not JSON:" << file.fileName() << error.errorString();
        }
        file.close();
    } else {
        qWarning() << "[farplay] no launch description:" << file.fileName();
    }
    QFile::remove(file.fileName());
}

void GameWindowList::openGame(const QString& argument)
{
    FarplayLaunchInfo info;
    readLaunchInfo(argument, info);
    Farplay* dialog = nullptr;
    if (!info.packageName.isEmpty()) {
        const QByteArray key = info.packageName.toLatin1();
        for (const Entry& entry : qAsConst(m_gameDialogs)) {
            if (entry.key == key) {
                dialog = entry.dialog;
                break;
            }
        }
    }
    const bool reused = dialog;
    if (!dialog) {
        dialog = new Farplay(info);
        connect(dialog, &Farplay::deleteSelf, this, &GameWindowList::removeGameDialog);
        m_gameDialogs.append(Entry{info.packageName.toLatin1(), dialog});
        cascade(dialog);
    }
    bringToFront(dialog);
    qInfo().noquote() << (reused ? "[farplay] window raised:" : "[farplay] window opened:") << info.packageName
                      << dialog->gameUrl() << QStringLiteral("at %1,%2").arg(dialog->x()).arg(dialog->y());
}

void GameWindowList::cascade(Farplay* dialog)
{
    if (m_gameDialogs.size() < 2)
        return;
    Farplay* previous = m_gameDialogs.at(m_gameDialogs.size() - 2).dialog;
    if (!previous || (previous->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QPoint candidate = previous->geometry().topLeft() + QPoint(kCascade, kCascade);
    QScreen* screen = Farplay::screenAt(candidate);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    if (candidate.x() + dialog->width() <= available.x() + available.width()
        && candidate.y() + dialog->height() <= available.y() + available.height())
        dialog->move(candidate);
}

void GameWindowList::bringToFront(Farplay* dialog)
{
    // Topmost and back, as on Windows, comes down to raising the window here.
    dialog->showNormal();
    dialog->raise();
    dialog->activateWindow();
}

void GameWindowList::removeGameDialog(QObject* dialog)
{
    auto* farplay = qobject_cast<Farplay*>(dialog);
    const auto found = std::find_if(m_gameDialogs.cbegin(), m_gameDialogs.cend(),
                                    [farplay](const Entry& entry) { return entry.dialog == farplay; });
    if (found != m_gameDialogs.cend()) {
        const Entry match = *found;
        m_gameDialogs.erase(std::remove_if(m_gameDialogs.begin(), m_gameDialogs.end(),
                                           [&match](const Entry& entry) {
                                               return entry.key == match.key && entry.dialog == match.dialog;
                                           }),
                            m_gameDialogs.end());
    }
    dialog->deleteLater();
}

QList<Farplay*> GameWindowList::dialogs() const
{
    QList<Farplay*> list;
    for (const Entry& entry : m_gameDialogs) {
        if (entry.dialog)
            list.append(entry.dialog);
    }
    return list;
}
