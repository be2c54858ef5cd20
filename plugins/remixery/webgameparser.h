#pragma once

#include <QJsonObject>

// Game objects of the Remixery web application converted into the records the launcher's
// interfaces take (webgamerecords.h).
class WebGameParser
{
public:
    enum Kind {
        App = 0,           // AppEntry
        Game = 1,          // GameEntry
        SearchResult = 2,  // SearchResultApp
        Banner = 3,        // BannerImage
    };

    // Fills record, which must be the record of that kind holding its defaults, from json;
    // members the kind does not read keep their values. Any other kind does nothing.
    // Missing or mistyped values give empty texts, the member's default flag, an empty
    // array or a direction of 0.
    static void parseWebGame(const QJsonObject& json, int kind, void* record);
};
