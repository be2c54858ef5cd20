#pragma once

#include "widgetry_export.h"

#include <QTimer>
#include <QWidget>

class QSvgRenderer;

// A busy indicator centred over its parent: the SVG turns while it runs. It is hidden
// until start(); stop() hides it again, and does nothing for an indicator that never ran.
class WIDGETRY_EXPORT Waitloading : public QWidget
{
    Q_OBJECT

public:
    Waitloading(const QString& svgPath, QWidget* parent);
    ~Waitloading() override;

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreOnParent();

    QSvgRenderer* m_image;
    QTimer m_timer;
    int m_angle = 0;
};
