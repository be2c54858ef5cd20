#pragma once

#include "widgetry_export.h"

#include <QWebEngineView>

// The platform's web view: a QWebEngineView whose mouse back and forward buttons walk the
// page's history, as in a browser.
class WIDGETRY_EXPORT MyWebEngineView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit MyWebEngineView(QWidget* parent = nullptr);
    ~MyWebEngineView() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
