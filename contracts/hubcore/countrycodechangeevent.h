#pragma once

#include "bevent.h"

#include <QString>

// Posted to the Remixery plug-in object when the user's country becomes known or changes.
class CountryCodeChangeEvent : public QEvent
{
public:
    explicit CountryCodeChangeEvent(const QString& code)
        : QEvent(BEvent::CountryCodeChange)
        , countryCode(code)
    {
    }

    QString countryCode;  // two letters, or empty when unknown
};
