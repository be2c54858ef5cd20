#include "tooltip.h"

#include <QGridLayout>
#include <QLabel>

ToolTip::ToolTip(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(6);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(0);
    layout->setContentsMargins(6, 6, 6, 6);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label, 0, 0);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::WindowStaysOnTopHint);
    setStyleSheet(QStringLiteral("QWidget { background-color: #B321262A; border: 1px solid #19ECE8F8; }"
                                 "QLabel { font-size: 12px; color: #FFC8C8C8; padding: 3px 6px 3px 6px; }"));
}
