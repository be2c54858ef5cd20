#pragma once

#include "cef_string.h"

#include <cstddef>

CefString CefBase64Encode(const void* data, size_t dataSize);
// Percent-encodes everything but unreserved characters; with usePlus a blank becomes "+".
CefString CefURIEncode(const CefString& text, bool usePlus);
