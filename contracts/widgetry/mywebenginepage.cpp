#include "mywebenginepage.h"

#include <QDebug>
#include <QWebEngineCertificateError>

MyWebEnginePage::MyWebEnginePage(QObject* parent)
    : QWebEnginePage(parent)
{
}

MyWebEnginePage::~MyWebEnginePage() = default;

bool MyWebEnginePage::certificateError(const QWebEngineCertificateError& error)
{
    qWarning() << "[widgetry] certificate error refused:" << error.url().toString() << error.errorDescription();
    return false;
}

void MyWebEnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                               int line, const QString& source)
{
    if (level == ErrorMessageLevel)
        qWarning().noquote() << "[web console]" << source << line << message;
    else
        qDebug().noquote() << "[web console]" << source << line << message;
}
