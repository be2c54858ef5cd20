#include "framelesswidgetstate.h"

#include <QHoverEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWindow>

namespace {
int g_edgeWidth = 5;
int g_titleBarHeight = 30;
}

int FramelessWidgetState::edgeWidth()
{
    return g_edgeWidth;
}

int FramelessWidgetState::titleBarHeight()
{
    return g_titleBarHeight;
}

void FramelessWidgetState::setEdgeWidth(int width)
{
    if (width > 0)
        g_edgeWidth = width;
}

void FramelessWidgetState::setTitleBarHeight(int height)
{
    if (height > 0)
        g_titleBarHeight = height;
}

CursorZone FramelessWidgetState::hitTest(const QRect& frame, const QPoint& p)
{
    const int x = frame.x();
    const int y = frame.y();
    const int w = frame.width();
    const int h = frame.height();
    const int b = g_edgeWidth;
    CursorZone zone;
    zone.onTitle = y <= p.y() && p.y() <= y + g_titleBarHeight;
    if (x <= p.x() && p.x() <= x + b)
        zone.edges |= Qt::LeftEdge;
    if (x + w - b <= p.x() && p.x() <= x + w)
        zone.edges |= Qt::RightEdge;
    if (y <= p.y() && p.y() <= y + b)
        zone.edges |= Qt::TopEdge;
    if (y + h - b <= p.y() && p.y() <= y + h)
        zone.edges |= Qt::BottomEdge;
    zone.onEdges = zone.edges != Qt::Edges();
    return zone;
}

FramelessWidgetState::FramelessWidgetState(FramelessHelperData* settings, QWidget* widget)
    : m_settings(settings)
    , m_widget(widget)
    , m_savedFlags(widget->windowFlags())
{
    widget->setAttribute(Qt::WA_MouseTracking);
    widget->setAttribute(Qt::WA_Hover);
    updateRubberBand();
}

FramelessWidgetState::~FramelessWidgetState()
{
    delete m_rubberBand;
}

void FramelessWidgetState::releaseWidget()
{
    m_widget->setAttribute(Qt::WA_MouseTracking, false);
    m_widget->setWindowFlags(m_savedFlags);
    m_widget->setAttribute(Qt::WA_Hover, false);
    delete m_rubberBand;
    m_rubberBand = nullptr;
}

void FramelessWidgetState::updateRubberBand()
{
    if (m_settings->resizePreview && !m_rubberBand) {
        m_rubberBand = new QRubberBand(QRubberBand::Rectangle);
    } else if (!m_settings->resizePreview) {
        delete m_rubberBand;
        m_rubberBand = nullptr;
    }
}

QRect FramelessWidgetState::clientRect(const QRect& frame) const
{
    const QRect outer = m_widget->frameGeometry();
    const QRect inner = m_widget->geometry();
    return frame.marginsRemoved(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                         outer.right() - inner.right(), outer.bottom() - inner.bottom()));
}

bool FramelessWidgetState::maximizedOrFullScreen() const
{
    return m_widget->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

void FramelessWidgetState::handleEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (m_settings->moveEnabled || m_settings->resizeEnabled))
            press(mouse->globalPos());
        break;
    }
    case QEvent::MouseMove:
        move(static_cast<QMouseEvent*>(event)->globalPos());
        break;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            release(mouse->globalPos());
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_settings->maximizeOnDoubleClick)
            doubleClick(mouse->globalPos());
        break;
    }
    case QEvent::HoverMove:
        if (m_settings->resizeEnabled)
            updateCursor(m_widget->mapToGlobal(static_cast<QHoverEvent*>(event)->pos()));
        break;
    default:
        break;
    }
}

void FramelessWidgetState::press(const QPoint& global)
{
    // A press always starts afresh: after a system move the release may never have arrived.
    m_pressZone = hitTest(m_widget->frameGeometry(), global);
    m_resizing = !maximizedOrFullScreen() && m_pressZone.onEdges && m_settings->resizeEnabled;
    m_moving = !m_resizing && m_pressZone.onTitle && m_settings->moveEnabled;
    m_systemMove = false;
    m_systemResize = false;
    m_dragOffset = global - m_widget->frameGeometry().topLeft();
    if (!m_resizing)
        return;
    if (m_settings->resizePreview && m_rubberBand) {
        m_rubberBand->setGeometry(m_widget->frameGeometry());
        m_rubberBand->show();
    } else if (QWindow* window = m_widget->windowHandle()) {
        m_systemResize = window->startSystemResize(m_pressZone.edges);
    }
}

void FramelessWidgetState::move(const QPoint& global)
{
    if (m_moving) {
        QWindow* window = m_widget->windowHandle();
        if (!m_systemMove)
            m_systemMove = window && window->startSystemMove();
        // Without a window manager the window follows the mouse itself.
        if (!m_systemMove)
            m_widget->move(global - m_dragOffset);
        return;
    }
    if (!m_resizing)
        return;
    const QRect frame = resizedFrame(global);
    if (!frame.isValid())
        return;
    if (m_settings->resizePreview && m_rubberBand)
        m_rubberBand->setGeometry(frame);
    else if (!m_systemResize)
        m_widget->setGeometry(clientRect(frame));
}

QRect FramelessWidgetState::resizedFrame(const QPoint& p) const
{
    const QRect start = m_settings->resizePreview && m_rubberBand ? m_rubberBand->geometry() : m_widget->frameGeometry();
    int left = start.left();
    int top = start.top();
    int right = start.right();
    int bottom = start.bottom();
    const Qt::Edges edges = m_pressZone.edges;
    if (edges & Qt::TopEdge)
        top = p.y();
    if (edges & Qt::BottomEdge)
        bottom = p.y();
    if (edges & Qt::LeftEdge)
        left = p.x();
    if (edges & Qt::RightEdge)
        right = p.x();
    QRect frame(QPoint(left, top), QPoint(right, bottom));
    if (!frame.isValid())
        return QRect();
    // Below the minimum size, the dragged edge stays at its last allowed place.
    if (frame.width() < m_widget->minimumWidth()) {
        if (left == start.left())
            frame.setRight(start.right());
        else
            frame.setLeft(start.left());
    }
    if (frame.height() < m_widget->minimumHeight()) {
        if (top == start.top())
            frame.setBottom(start.bottom());
        else
            frame.setTop(start.top());
    }
    return frame;
}

void FramelessWidgetState::release(const QPoint& global)
{
    m_moving = false;
    m_resizing = false;
    m_systemMove = false;
    m_systemResize = false;
    updateCursor(global);
    m_pressZone = CursorZone();
    if (m_rubberBand && m_rubberBand->isVisible()) {
        m_rubberBand->hide();
        m_widget->setGeometry(clientRect(m_rubberBand->geometry()));
    }
}

void FramelessWidgetState::doubleClick(const QPoint& global)
{
    m_pressZone = hitTest(m_widget->frameGeometry(), global);
    if (!m_pressZone.onTitle)
        return;
    m_widget->setWindowState((m_widget->windowState() ^ Qt::WindowMaximized) & ~Qt::WindowFullScreen);
    m_widget->unsetCursor();
}

void FramelessWidgetState::updateCursor(const QPoint& global)
{
    if (maximizedOrFullScreen()) {
        if (m_cursorChanged) {
            m_widget->unsetCursor();
            m_cursorChanged = false;
        }
        return;
    }
    m_hoverZone = hitTest(m_widget->frameGeometry(), global);
    const Qt::Edges edges = m_hoverZone.edges;
    const bool top = edges & Qt::TopEdge;
    const bool bottom = edges & Qt::BottomEdge;
    const bool left = edges & Qt::LeftEdge;
    const bool right = edges & Qt::RightEdge;
    if ((top && left) || (bottom && right))
        m_widget->setCursor(Qt::SizeFDiagCursor);
    else if ((top && right) || (bottom && left))
        m_widget->setCursor(Qt::SizeBDiagCursor);
    else if (left || right)
        m_widget->setCursor(Qt::SizeHorCursor);
    else if (top || bottom)
        m_widget->setCursor(Qt::SizeVerCursor);
    if (m_hoverZone.onEdges) {
        m_cursorChanged = true;
    } else if (m_cursorChanged) {
        m_widget->unsetCursor();
        m_cursorChanged = false;
    }
}
