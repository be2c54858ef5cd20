#pragma once

#include "widgetry_export.h"

#include <QWebEnginePage>

// The platform's web page, on the default profile. A page with a certificate error is
// never shown: the error is refused and logged. The page's console messages go to the log.
class WIDGETRY_EXPORT MyWebEnginePage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit MyWebEnginePage(QObject* parent = nullptr);
    ~MyWebEnginePage() override;

protected:
    bool certificateError(const QWebEngineCertificateError& error) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;
};
