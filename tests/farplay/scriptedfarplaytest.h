#pragma once

#include "farplayengine.h"

#include <QObject>
#include <QTest>

// The base of the tests that run Farplay's pieces on the scripted engine: a home of their
// own, a launcher server that receives what Farplay sends, the engine started once.
class ScriptedFarplayTest : public QObject
{
    Q_OBJECT

protected:
    TestHome m_home;
    BServer m_launcher{nullptr, BServer::Program::Farplay};

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(startFarplayEngine(m_home, m_launcher, true));
    }

    void cleanupTestCase() { CefShutdown(); }
};
