#include "bapplication.h"

#include "imainwindow.h"

#include <QWidget>

BApplication::BApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The last window closing is handled here, once; Qt's own quit event on top of it
    // would ask the main window a second time.
    setQuitOnLastWindowClosed(false);
    connect(this, &QGuiApplication::lastWindowClosed, this, &BApplication::onQuitRequested);
}

bool BApplication::onQuitRequested()
{
    const QWidgetList widgets = allWidgets();
    for (QWidget* widget : widgets) {
        // The desktop widget stands for the screens and counts as visible.
        if (widget->isVisible() && widget->windowType() != Qt::Desktop)
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
