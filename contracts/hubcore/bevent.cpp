#include "bevent.h"

#include <mutex>

QEvent::Type BEvent::CountryCodeChange = QEvent::None;
QEvent::Type BEvent::ModedGameListChange = QEvent::None;
QEvent::Type BEvent::PlayGameStrategyChange = QEvent::None;

void BEvent::init()
{
    static std::once_flag once;
    std::call_once(once, [] {
        CountryCodeChange = QEvent::Type(QEvent::registerEventType());
        ModedGameListChange = QEvent::Type(QEvent::registerEventType());
        PlayGameStrategyChange = QEvent::Type(QEvent::registerEventType());
    });
}
