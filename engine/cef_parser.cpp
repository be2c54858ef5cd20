#include "cef_parser.h"

#include <QByteArray>
#include <QString>

CefString CefBase64Encode(const void* data, size_t dataSize)
{
    return QByteArray(static_cast<const char*>(data), int(dataSize)).toBase64().toStdString();
}

CefString CefURIEncode(const CefString& text, bool usePlus)
{
    QByteArray encoded = QByteArray::fromStdString(text.ToString()).toPercentEncoding(usePlus ? " " : "");
    if (usePlus)
        encoded.replace(' ', '+');
    return encoded.toStdString();
}
