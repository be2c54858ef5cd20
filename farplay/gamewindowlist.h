#pragma once

#include "farplaylaunchinfo.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class Farplay;

// Farplay's open game windows, in creation order, keyed by package: a launch for a package
// that has a window raises it, another opens a new window cascaded from the last one.
// Launch descriptions are files in the per-user "LocalGames" folder, read once and deleted.
// GUI thread only.
class GameWindowList : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCascade = 30;

    explicit GameWindowList(QObject* parent = nullptr);

    void openGame(const QString& argument);
    // The launch description named by argument (a plain file name in "LocalGames"), deleted
    // after reading. Any other argument is refused and reads as a missing description.
    static void readLaunchInfo(const QString& argument, FarplayLaunchInfo& info);
    static QString launchFolder();

    QList<Farplay*> dialogs() const;

public slots:
    void removeGameDialog(QObject* dialog);

private:
    struct Entry
    {
        QByteArray key;
        QPointer<Farplay> dialog;
    };

    void cascade(Farplay* dialog);
    static void bringToFront(Farplay* dialog);

    QList<Entry> m_gameDialogs;
};
