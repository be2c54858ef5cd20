#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QRubberBand;

// Where a point lies on a frameless window: which edges, and whether in the title zone.
struct CursorZone
{
    Qt::Edges edges;
    bool onTitle = false;
    bool onEdges = false;
};

// The options of one FramelessHelper, shared by its windows.
struct FramelessHelperData
{
    bool maximizeOnDoubleClick = false;
    bool moveEnabled = false;
    bool resizeEnabled = false;
    bool resizePreview = false;
};

// One window under a FramelessHelper: its press, move, release, double click and hover
// handling. Where the window system refuses to move or resize the window itself (no window
// manager), the state does it from the mouse.
class FramelessWidgetState
{
public:
    FramelessWidgetState(FramelessHelperData* settings, QWidget* widget);
    ~FramelessWidgetState();

    // Edge width and title bar height, shared by every helper of the process.
    static int edgeWidth();
    static int titleBarHeight();
    static void setEdgeWidth(int width);
    static void setTitleBarHeight(int height);
    // The hit test of a global point against a window's frame rectangle.
    static CursorZone hitTest(const QRect& frame, const QPoint& point);

    void handleEvent(QEvent* event);
    void updateRubberBand();
    void releaseWidget();

    QWidget* widget() const { return m_widget; }
    QRubberBand* rubberBand() const { return m_rubberBand; }
    bool moving() const { return m_moving; }
    bool resizing() const { return m_resizing; }
    CursorZone pressZone() const { return m_pressZone; }
    bool cursorChanged() const { return m_cursorChanged; }

private:
    void press(const QPoint& global);
    void move(const QPoint& global);
    void release(const QPoint& global);
    void doubleClick(const QPoint& global);
    void updateCursor(const QPoint& global);
    // The resize step: the new frame for the dragged edges at p, or an invalid rectangle.
    QRect resizedFrame(const QPoint& p) const;
    bool maximizedOrFullScreen() const;
    // The window's geometry for a frame rectangle (the frame's margins taken off).
    QRect clientRect(const QRect& frame) const;

    FramelessHelperData* m_settings;
    QRubberBand* m_rubberBand = nullptr;
    QWidget* m_widget;
    QPoint m_dragOffset;
    CursorZone m_pressZone;
    CursorZone m_hoverZone;
    bool m_cursorChanged = false;
    Qt::WindowFlags m_savedFlags;
    bool m_moving = false;
    bool m_resizing = false;
    bool m_systemMove = false;    // the window system moves the window
    bool m_systemResize = false;  // the window system resizes the window
};
