#include "mywebengineview.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWebEngineHistory>

MyWebEngineView::MyWebEngineView(QWidget* parent)
    : QWebEngineView(parent)
{
}

MyWebEngineView::~MyWebEngineView() = default;

bool MyWebEngineView::event(QEvent* event)
{
    // Mouse input goes to the render widget that Chromium adds as a child, not to the view.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    return QWebEngineView::event(event);
}

bool MyWebEngineView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::BackButton && history()->canGoBack()) {
            back();
            return true;
        }
        if (mouse->button() == Qt::ForwardButton && history()->canGoForward()) {
            forward();
            return true;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}
