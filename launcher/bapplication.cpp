#include "bapplication.h"

#include "imainwindow.h"

#include <QWidget>

BApplication::BApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    connect(this, &QGuiApplication::lastWindowClosed, this, &BApplication::onQuitRequested);
}

bool BApplication::onQuitRequested()
{
    const QWidgetList widgets = allWidgets();
    for (QWidget* widget : widgets) {
        if (widget->isVisible())
            return false;
    }
    if (mainWindow) {
        mainWindow->quitRequested();
        return true;
    }
    for (QWidget* widget : widgets)
        widget->setVisible(false);
    QCoreApplication::quit();
    return true;
}

bool BApplication::event(QEvent* event)
{
    if (event->type() == QEvent::Quit) {
        onQuitRequested();
        event->accept();
        return true;
    }
    return QApplication::event(event);
}
