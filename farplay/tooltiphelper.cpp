#include "tooltiphelper.h"

#include "tooltip.h"
#include "tooltipdlg.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

ToolTipHelper::ToolTipHelper(QObject* parent)
    : QObject(parent)
{
}

ToolTipHelper::~ToolTipHelper()
{
    if (m_dialog)
        m_dialog->deleteLater();
}

void ToolTipHelper::setWidget(QWidget* widget)
{
    if (!widget)
        return;
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
    m_widget = widget;
}

bool ToolTipHelper::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
        m_hovering = true;
        if (m_widget && !m_widget->isActiveWindow()) {
            QTimer::singleShot(kInactiveDelayMs, this, [this] {
                if (m_widget)
                    QCoreApplication::postEvent(m_widget, new QEvent(QEvent::ToolTip));
            });
        }
        break;
    case QEvent::HoverLeave:
        m_hovering = false;
        break;
    case QEvent::ToolTip:
        if (m_hovering)
            showTip();
        // Qt's own tip never shows.
        return true;
    case QEvent::Leave:
        if (m_shown) {
            m_shown = false;
            if (m_dialog) {
                m_dialog->hide();
                m_dialog->deleteLater();
                m_dialog = nullptr;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool ToolTipHelper::showTip()
{
    if (m_shown)
        return false;
    m_shown = true;
    if (!m_widget)
        return false;
    if (!m_dialog && !m_widget->toolTip().isEmpty()) {
        auto* dialog = new ToolTipDlg;
        dialog->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setAttribute(Qt::WA_TranslucentBackground);
        auto* layout = new QGridLayout(dialog);
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* tip = new ToolTip;
        layout->addWidget(tip, 0, 0);
        dialog->setToolTip(tip);
        tip->label()->setText(m_widget->toolTip());
        tip->adjustSize();
        dialog->adjustSize();
        m_dialog = dialog;
    }
    if (!m_dialog)
        return false;
    const QPoint origin = m_widget->mapToGlobal(QPoint(0, 0));
    m_dialog->move(origin.x() - (m_dialog->width() - m_widget->width()) / 2, origin.y() + m_widget->height());
    m_dialog->show();
    return true;
}
