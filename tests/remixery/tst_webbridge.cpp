#include "webbridge.h"

#include <QtTest>

class TestWebBridge : public QObject
{
    Q_OBJECT

private slots:
    void requestsComeOutAsHtmlData()
    {
        WebBridge bridge;
        QSignalSpy requests(&bridge, &WebBridge::htmlData);
        // As the web channel calls it: by name through the meta-object.
        QVERIFY(QMetaObject::invokeMethod(&bridge, "dataChanged", Q_ARG(QString, QStringLiteral("{\"event\":\"x\"}"))));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toString(), QStringLiteral("{\"event\":\"x\"}"));
    }

    void writingContentEmitsAndStoresNothing()
    {
        WebBridge bridge;
        QSignalSpy deliveries(&bridge, &WebBridge::contentChanged);
        const QJsonObject message{{QStringLiteral("event"), QStringLiteral("updateLanguage")},
                                  {QStringLiteral("page"), 8}};
        QVERIFY(bridge.setProperty("content", message));
        QCOMPARE(deliveries.count(), 1);
        QCOMPARE(deliveries.first().first().toJsonObject(), message);
        QCOMPARE(bridge.property("content").toJsonObject(), QJsonObject());
    }

    void contentHasNoNotifySignal()
    {
        const QMetaProperty content = WebBridge::staticMetaObject.property(
            WebBridge::staticMetaObject.indexOfProperty("content"));
        QVERIFY(content.isReadable() && content.isWritable());
        QVERIFY(!content.hasNotifySignal());
    }

    void deliveryFromAWorkerReachesTheGuiThread()
    {
        WebBridge bridge;
        QObject receiver;
        QThread* seenOn = nullptr;
        connect(&bridge, &WebBridge::contentChanged, &receiver, [&seenOn] { seenOn = QThread::currentThread(); });
        QThread* worker = QThread::create([&bridge] { bridge.setProperty("content", QJsonObject{{"event", "x"}}); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QTRY_COMPARE(seenOn, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TestWebBridge)
#include "tst_webbridge.moc"
