#include "hxlpushbutton.h"

#include "tooltiphelper.h"

HxlPushButton::HxlPushButton(QWidget* parent)
    : ImageButton(parent)
    , m_toolTipHelper(new ToolTipHelper(this))
{
    m_toolTipHelper->setWidget(this);
}
