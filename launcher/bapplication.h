#pragma once

#include <QApplication>

class IMainWindow;

// The launcher's application: a quit request, or the last window closing, never ends the
// event loop by itself while a widget is visible, and goes to the main-window plug-in
// when there is one.
class BApplication : public QApplication
{
    Q_OBJECT

public:
    BApplication(int& argc, char** argv);

    bool event(QEvent* event) override;
    bool onQuitRequested();

    IMainWindow* mainWindow = nullptr;  // set once the plug-ins are loaded; not owned
};
