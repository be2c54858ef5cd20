#pragma once

#include "hubcore_export.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Requests from other programs of the user, given by writing a number into the control
// file "<data folder>/control" (for example `echo 1 > ~/.local/share/VelmoraDeck/control`).
// Every process of the user that watches it hears the request. Writes that follow each
// other within a few milliseconds count as one, the last. Create it on the GUI thread.
class HUBCORE_EXPORT FileWatcher : public QObject
{
    Q_OBJECT

public:
    enum FileEvent {
        Exit = 0,             // end the program
        LanguageChanged = 1,  // the remembered language has changed
        CloseLogin = 2,       // close the sign-in windows
    };
    Q_ENUM(FileEvent)

    static FileWatcher* instance();
    QString controlFilePath() const;

signals:
    void fileEvent(FileWatcher::FileEvent event);

private:
    FileWatcher();
    void watchControlFile();
    void readControlFile();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
