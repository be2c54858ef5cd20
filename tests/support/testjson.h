#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

// JSON written with single quotes, to keep test data readable: "{'event': 'getLanguage'}".
inline QByteArray jsonText(const char* json)
{
    return QByteArray(json).replace('\'', '"');
}

inline QJsonObject jsonObject(const char* json)
{
    return QJsonDocument::fromJson(jsonText(json)).object();
}
