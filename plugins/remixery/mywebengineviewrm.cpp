#include "mywebengineviewrm.h"

MyWebEngineViewRM::MyWebEngineViewRM(QWidget* parent)
    : MyWebEngineView(parent)
{
}

void MyWebEngineViewRM::hideEvent(QHideEvent* event)
{
    // Skips the web-engine view's own handling, which would mark the page hidden.
    QWidget::hideEvent(event);
}
