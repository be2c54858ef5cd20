#include "waitloading.h"

#include <QDebug>
#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kFrameMs = 33;
constexpr int kDegreesPerFrame = 12;
constexpr int kDefaultSide = 48;
}

Waitloading::Waitloading(const QString& svgPath, QWidget* parent)
    : QWidget(parent)
    , m_image(new QSvgRenderer(svgPath, this))
{
    if (!m_image->isValid())
        qWarning() << "[widgetry] busy indicator image not usable:" << svgPath;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAccessibleName(tr("Loading"));
    const QSize side = m_image->isValid() && !m_image->defaultSize().isEmpty() ? m_image->defaultSize()
                                                                               : QSize(kDefaultSide, kDefaultSide);
    resize(side);
    hide();
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + kDegreesPerFrame) % 360;
        update();
    });
    if (parent)
        parent->installEventFilter(this);
}

Waitloading::~Waitloading() = default;

void Waitloading::start()
{
    centreOnParent();
    show();
    raise();
    m_timer.start();
}

void Waitloading::stop()
{
    if (!m_timer.isActive() && isHidden())
        return;
    m_timer.stop();
    hide();
}

void Waitloading::paintEvent(QPaintEvent*)
{
    if (!m_image->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(m_angle);
    painter.translate(-width() / 2.0, -height() / 2.0);
    m_image->render(&painter, QRectF(rect()));
}

bool Waitloading::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        centreOnParent();
    return QWidget::eventFilter(watched, event);
}

void Waitloading::centreOnParent()
{
    if (QWidget* parent = parentWidget())
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
}
