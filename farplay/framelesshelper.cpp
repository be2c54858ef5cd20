#include "framelesshelper.h"

#include <QEvent>

FramelessHelper::FramelessHelper(QObject* parent)
    : QObject(parent)
{
}

FramelessHelper::~FramelessHelper()
{
    for (FramelessWidgetState* state : qAsConst(m_data.widgets)) {
        state->releaseWidget();
        delete state;
    }
}

void FramelessHelper::attachTo(QWidget* widget)
{
    if (!widget || m_data.widgets.contains(widget))
        return;
    m_data.widgets.insert(widget, new FramelessWidgetState(&m_data, widget));
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this, widget] { delete m_data.widgets.take(widget); });
}

void FramelessHelper::setResizePreview(bool on)
{
    m_data.resizePreview = on;
    for (FramelessWidgetState* state : qAsConst(m_data.widgets))
        state->updateRubberBand();
}

bool FramelessHelper::eventFilter(QObject* watched, QEvent* event)
{
    if (FramelessWidgetState* state = m_data.widgets.value(static_cast<QWidget*>(watched)))
        state->handleEvent(event);
    return QObject::eventFilter(watched, event);
}
