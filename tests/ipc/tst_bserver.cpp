#include "bclient.h"
#include "bserver.h"
#include "testhome.h"

#include <QLocalSocket>
#include <QtTest>

namespace {

// Every signal of a launcher server, as "name(arguments)" in the order emitted.
void record(BServer& server, QStringList& log)
{
    QObject::connect(&server, &BServer::windowToTop, [&log] { log << "windowToTop()"; });
    QObject::connect(&server, &BServer::getSsoInfo, [&log] { log << "getSsoInfo()"; });
    QObject::connect(&server, &BServer::showGameType,
                     [&log](IMyGame::GameType type) { log << QStringLiteral("showGameType(%1)").arg(int(type)); });
    QObject::connect(&server, &BServer::flePlayGame, [&log](const QString& package, const QString& instance) {
        log << QStringLiteral("flePlayGame(%1,%2)").arg(package, instance);
    });
    QObject::connect(&server, &BServer::deepLink, [&log](const QString& pkg, const QString& promo, const QString& link) {
        log << QStringLiteral("deepLink(%1,%2,%3)").arg(pkg, promo, link);
    });
    QObject::connect(&server, &BServer::loginPageShow, [&log] { log << "loginPageShow()"; });
    QObject::connect(&server, &BServer::closeLogin, [&log] { log << "closeLogin()"; });
    QObject::connect(&server, &BServer::shareMod,
                     [&log](const QString& id) { log << QStringLiteral("shareMod(%1)").arg(id); });
    QObject::connect(&server, &BServer::playFarplay,
                     [&log](const QString& text) { log << QStringLiteral("playFarplay(%1)").arg(text.size()); });
}

const QString kTop = QStringLiteral("windowToTop()");

} // namespace

class TestBServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void receiveStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fromSocket");
        QTest::addColumn<QStringList>("emitted");
        const QString top = kTop;
        QTest::newRow("NULL only raises") << "NULL" << true << QStringList{top};
        QTest::newRow("unknown text") << "-showMainwindow" << true << QStringList{top};
        QTest::newRow("-farplays") << "-farplays" << true << QStringList{top};
        QTest::newRow("-mygames") << "-mygames" << true << QStringList{top, "showGameType(3)"};
        QTest::newRow("-mygames in another case") << "-MyGames" << true << QStringList{top};
        QTest::newRow("-gamecenter") << "-gamecenter" << true << QStringList{top, "showGameType(2)"};
        QTest::newRow("-remixery") << "-remixery" << true << QStringList{top, "showGameType(8)"};
        QTest::newRow("-fle=") << "-fle=com.demo.game" << true << QStringList{top, "flePlayGame(com.demo.game,)"};
        QTest::newRow("-FLE= anywhere, every one removed")
            << "x-FLE=com.a-fle=b" << true << QStringList{top, "flePlayGame(xcom.ab,)"};
        QTest::newRow("-loginPageShow does not raise") << "-loginPageShow" << true << QStringList{"loginPageShow()"};
        QTest::newRow("-LOGINPAGESHOW inside") << "x-LOGINPAGESHOWx" << true << QStringList{"loginPageShow()"};
        QTest::newRow("-closeLogin raises first") << "-closeLogin" << true << QStringList{top, "closeLogin()"};
        QTest::newRow("-fle= wins over -closeLogin") << "-fle=-closeLogin" << true
                                                     << QStringList{top, "flePlayGame(-closeLogin,)"};
        QTest::newRow("accountEvoke over the socket")
            << R"(VelmoraDeck:{"event":"accountEvoke"})" << true << QStringList{top, "getSsoInfo()"};
        QTest::newRow("accountEvoke as own argument")
            << R"(VelmoraDeck:{"event":"accountEvoke"})" << false << QStringList{top};
        QTest::newRow("webfle") << R"(VelmoraDeck:{"event":"webfle","data":{"package":"com.p"}})" << true
                                << QStringList{top, "flePlayGame(com.p,)"};
        QTest::newRow("webfle without package") << R"(VelmoraDeck:{"event":"webfle","data":{}})" << true
                                                << QStringList{top};
        QTest::newRow("launchApp, link only, lower-case prefix")
            << R"(velmoradeck:{"event":"launchApp","data":{"linkValue":"go/1"}})" << true
            << QStringList{top, "deepLink(,,go/1)"};
        QTest::newRow("launchApp full")
            << R"(VelmoraDeck:{"event":"launchApp","data":{"pkg":"a","promoPkg":"b","linkValue":"c"}})" << true
            << QStringList{top, "deepLink(a,b,c)"};
        QTest::newRow("launchApp with neither") << R"(VelmoraDeck:{"event":"launchApp","data":{"promoPkg":"b"}})"
                                                << true << QStringList{top};
        QTest::newRow("launchApp without data") << R"(VelmoraDeck:{"event":"launchApp"})" << true << QStringList{top};
        QTest::newRow("shortcut") << R"(VelmoraDeck:{"event":"shortcut","data":{"package":"p","instance":"i1"}})"
                                  << true << QStringList{top, "flePlayGame(p,i1)"};
        QTest::newRow("shortcut without instance") << R"(VelmoraDeck:{"event":"shortcut","data":{"package":"p"}})"
                                                   << true << QStringList{top, "flePlayGame(p,)"};
        QTest::newRow("sharemod") << R"(VelmoraDeck:{"event":"sharemod","data":{"shareid":"s9"}})" << true
                                  << QStringList{top, "shareMod(s9)"};
        QTest::newRow("sharemod without shareid") << R"(VelmoraDeck:{"event":"sharemod","data":{"id":"s9"}})" << true
                                                  << QStringList{top};
        QTest::newRow("non-string value reads empty")
            << R"(VelmoraDeck:{"event":"webfle","data":{"package":7}})" << true << QStringList{top, "flePlayGame(,)"};
        QTest::newRow("event compared exactly") << R"(VelmoraDeck:{"event":"AccountEvoke"})" << true
                                                << QStringList{top};
        QTest::newRow("malformed JSON") << R"(VelmoraDeck:{"event":)" << true << QStringList{top};
        QTest::newRow("prefix and -loginPageShow: JSON only")
            << R"(VelmoraDeck:{"event":"sharemod","data":{"shareid":"-loginPageShow"}})" << true
            << QStringList{"shareMod(-loginPageShow)"};
        QTest::newRow("every prefix removed")
            << R"(VelmoraDeck:{"event":"webfle","data":{"package":"VELMORADECK:x"}})" << true
            << QStringList{top, "flePlayGame(x,)"};
    }
    void receiveStep()
    {
        QFETCH(QString, text);
        QFETCH(bool, fromSocket);
        QFETCH(QStringList, emitted);
        BServer server;
        QStringList log;
        record(server, log);
        server.send(text, fromSocket);
        QCOMPARE(log, emitted);
    }

    void wholeMessagePerConnection_data()
    {
        QTest::addColumn<QList<QByteArray>>("writes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one write") << QList<QByteArray>{"-mygames"} << "-mygames";
        QTest::newRow("split over writes") << QList<QByteArray>{"-my", "games"} << "-mygames";
        QTest::newRow("split inside a UTF-8 character")
            << QList<QByteArray>{"-fle=caf\xc3", "\xa9"} << QString::fromUtf8("-fle=caf\xc3\xa9");
    }
    void wholeMessagePerConnection()
    {
        QFETCH(QList<QByteArray>, writes);
        QFETCH(QString, expected);
        QStringList texts;
        BServer farplay(nullptr, BServer::Program::Farplay);
        connect(&farplay, &BServer::playFarplay, [&texts](const QString& text) { texts << text; });
        const QString name = home.runtime() + QStringLiteral("/split.sock");
        farplay.start(name);

        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(5000));
        for (const QByteArray& bytes : writes) {
            socket.write(bytes);
            QVERIFY(socket.waitForBytesWritten(5000));
            QTest::qWait(50);  // separate read notifications on the server
        }
        socket.disconnectFromServer();
        QTRY_COMPARE(texts, QStringList{expected});
        QTest::qWait(BServer::kIdleMs + 100);
        QCOMPARE(texts.size(), 1);
    }

    void largeRequestArrivesWholeAndOnce()
    {
        BServer server;
        QStringList log;
        record(server, log);
        const QString name = home.runtime() + QStringLiteral("/large.sock");
        server.start(name);
        const QString shareId(200 * 1024, QLatin1Char('s'));
        const QString text = QStringLiteral(R"(VelmoraDeck:{"event":"sharemod","data":{"shareid":"%1"}})").arg(shareId);
        QThread* sender = QThread::create([name, text] {
            BClient client;
            client.connectServer(name);
            client.sendMessage(text);
        });
        sender->start();
        QTRY_COMPARE_WITH_TIMEOUT(log.size(), 2, 10000);
        QVERIFY(sender->wait(10000));
        delete sender;
        QCOMPARE(log, (QStringList{kTop, QStringLiteral("shareMod(%1)").arg(shareId)}));
    }

    void oversizedMessageIsDropped()
    {
        BServer server(nullptr, BServer::Program::Farplay);
        QStringList log;
        record(server, log);
        const QString name = home.runtime() + QStringLiteral("/flood.sock");
        server.start(name);
        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(5000));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("message over .* bytes dropped")));
        const QByteArray chunk(64 * 1024, 'x');
        for (int i = 0; i < 20 && socket.state() == QLocalSocket::ConnectedState; ++i) {
            socket.write(chunk);
            socket.waitForBytesWritten(1000);
            QTest::qWait(5);
        }
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 5000);
        QTest::qWait(BServer::kIdleMs + 100);
        QVERIFY(log.isEmpty());
    }

    void clientWaitsForAServerThatIsStillStarting()
    {
        const QString name = home.runtime() + QStringLiteral("/late.sock");
        BServer server;
        QStringList log;
        record(server, log);
        QTimer::singleShot(700, &server, [&server, name] { server.start(name); });
        QThread* sender = QThread::create([name] {
            BClient client;
            client.connectServer(name, true);
            client.sendMessage(QStringLiteral("-gamecenter"));
        });
        sender->start();
        QTRY_COMPARE_WITH_TIMEOUT(log, (QStringList{kTop, "showGameType(2)"}), 10000);
        QVERIFY(sender->wait(10000));
        delete sender;
    }

    void clientWithoutServerGivesUpAtOnce()
    {
        QElapsedTimer clock;
        clock.start();
        BClient client;
        client.connectServer(home.runtime() + QStringLiteral("/nobody.sock"));
        client.sendMessage(QStringLiteral("-closeLogin"));
        QVERIFY(clock.elapsed() < 5000);
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestBServer)
#include "tst_bserver.moc"
