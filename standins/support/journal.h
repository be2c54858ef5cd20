#pragma once

#include <QJsonArray>
#include <QString>

// The record of every call a stand-in receives: one JSON line per call,
// {"plugin": ..., "call": ..., "args": [...]}, appended to the file that the environment
// variable VELMORA_STANDIN_JOURNAL names (default: standins.jsonl in the data folder's
// logs/). End-to-end tests read it. Thread-safe.
class Journal
{
public:
    static void record(const QString& plugin, const QString& call, const QJsonArray& args = {});
    static QString path();
};
