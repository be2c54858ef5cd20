#pragma once

#include "framelesswidgetstate.h"

#include <QHash>
#include <QObject>

// Gives frameless windows back what their frame did: edge cursors, resizing from the edges
// (with a rubber-band preview or by the system), moving by the title zone, and maximise or
// restore on a double click there. Lets every event go on. GUI thread only.
class FramelessHelper : public QObject
{
    Q_OBJECT

public:
    explicit FramelessHelper(QObject* parent = nullptr);
    // Releases every window: tracking, hover and its window flags as they were.
    ~FramelessHelper() override;

    void attachTo(QWidget* widget);
    // 0 leaves the value as it is; both values are shared by every helper of the process.
    void setEdgeWidth(int width) { FramelessWidgetState::setEdgeWidth(width); }
    void setTitleBarHeight(int height) { FramelessWidgetState::setTitleBarHeight(height); }
    void setMaximizeOnDoubleClick(bool on) { m_data.maximizeOnDoubleClick = on; }
    void setMoveEnabled(bool on) { m_data.moveEnabled = on; }
    void setResizeEnabled(bool on) { m_data.resizeEnabled = on; }
    void setResizePreview(bool on);

    const FramelessWidgetState* state(QWidget* widget) const { return m_data.widgets.value(widget); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Data : FramelessHelperData
    {
        QHash<QWidget*, FramelessWidgetState*> widgets;
    };
    Data m_data;
};
