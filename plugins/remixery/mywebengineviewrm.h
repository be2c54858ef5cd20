#pragma once

#include "mywebengineview.h"

// The Remixery page's view. Hiding it must not tell the page that it is hidden: the web
// application keeps running (timers, media, pushes) while the launcher shows another page.
class MyWebEngineViewRM : public MyWebEngineView
{
    Q_OBJECT

public:
    explicit MyWebEngineViewRM(QWidget* parent = nullptr);

protected:
    void hideEvent(QHideEvent* event) override;
};
