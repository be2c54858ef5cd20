#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>

// Runs scripts in a real page and waits for their results in a local event loop, so that
// events posted from other threads are handled at once (QTest::qWait sleeps between rounds).
// Pages built from the bridge probe (tests/remixery/www/probe.html) record what they
// receive in window.received.
class PageProbe
{
public:
    explicit PageProbe(QWebEnginePage* page) : m_page(page) {}

    // The script's value, or an invalid variant when it gave none in time.
    QVariant evaluate(const QString& script, int timeoutMs = 10000) const
    {
        QEventLoop loop;
        QPointer<QEventLoop> waiting(&loop);
        auto result = std::make_shared<QVariant>();
        m_page->runJavaScript(script, [waiting, result](const QVariant& value) {
            *result = value;
            if (waiting)
                waiting->quit();
        });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return *result;
    }

    bool waitUntil(const QString& condition, int timeoutMs = 15000) const
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (evaluate(condition, int(qMax<qint64>(1, deadline.remainingTime()))).toBool())
                return true;
            pause(20);
        }
        return false;
    }

    bool waitUntilReady(int timeoutMs = 15000) const { return waitUntil(QStringLiteral("window.ready === true"), timeoutMs); }

    // Hands a request text to the client as the web application does.
    void send(const QByteArray& text) const
    {
        m_page->runJavaScript(QStringLiteral("window.send(%1)")
                                  .arg(QString::fromUtf8(QJsonDocument(QJsonArray{QString::fromUtf8(text)})
                                                             .toJson(QJsonDocument::Compact))
                                           .mid(1)
                                           .chopped(1)));
    }

    QJsonArray received() const
    {
        return QJsonDocument::fromJson(evaluate(QStringLiteral("JSON.stringify(window.received)")).toString().toUtf8())
            .array();
    }

    // Waits until a message with that event has arrived; returns everything received.
    QJsonArray receivedUpTo(const QString& event, int timeoutMs = 15000) const
    {
        const QString condition =
            QStringLiteral("window.received.some(function (m) { return m.event === '%1'; })").arg(event);
        waitUntil(condition, timeoutMs);
        return received();
    }

    void clearReceived() const { evaluate(QStringLiteral("window.received = []; true")); }

private:
    static void pause(int milliseconds)
    {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QWebEnginePage* m_page;
};

// main() of a test that shows web pages: the web engine wants shared GL contexts.
#define VD_WEB_TEST_MAIN(TestClass)                                  \
    int main(int argc, char** argv)                                  \
    {                                                                \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); \
        QApplication app(argc, argv);                                \
        TestClass test;                                              \
        return QTest::qExec(&test, argc, argv);                      \
    }
