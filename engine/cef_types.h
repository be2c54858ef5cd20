#pragma once

// Plain types and constants of the browser engine, with the values Farplay relies on.

#include <cstdint>

using CefWindowHandle = std::uintptr_t;  // a native window; 0 for none
using CefEventHandle = void*;

struct CefPoint
{
    int x = 0;
    int y = 0;
};

struct CefRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Network error codes of loads.
enum cef_errorcode_t {
    ERR_NONE = 0,
    ERR_FAILED = -2,
    ERR_ABORTED = -3,
    ERR_CONNECTION_REFUSED = -102,
    ERR_NAME_NOT_RESOLVED = -105,
    ERR_INTERNET_DISCONNECTED = -106,
    ERR_UNKNOWN_URL_SCHEME = -302,
};
using ErrorCode = cef_errorcode_t;

enum cef_transition_type_t { TT_LINK = 0, TT_EXPLICIT = 1, TT_RELOAD = 8 };
using TransitionType = cef_transition_type_t;

enum cef_return_value_t { RV_CANCEL = 0, RV_CONTINUE = 1, RV_CONTINUE_ASYNC = 2 };
using ReturnValue = cef_return_value_t;

enum cef_log_severity_t {
    LOGSEVERITY_DEFAULT = 0,
    LOGSEVERITY_VERBOSE = 1,
    LOGSEVERITY_INFO = 2,
    LOGSEVERITY_WARNING = 3,
    LOGSEVERITY_ERROR = 4,
    LOGSEVERITY_FATAL = 5,
    LOGSEVERITY_DISABLE = 99,
};

enum cef_focus_source_t { FOCUS_SOURCE_NAVIGATION = 0, FOCUS_SOURCE_SYSTEM = 1 };
using FocusSource = cef_focus_source_t;

enum cef_drag_operations_mask_t { DRAG_OPERATION_NONE = 0, DRAG_OPERATION_COPY = 1, DRAG_OPERATION_EVERY = 0xffff };
using DragOperationsMask = cef_drag_operations_mask_t;

enum cef_v8_propertyattribute_t { V8_PROPERTY_ATTRIBUTE_NONE = 0, V8_PROPERTY_ATTRIBUTE_READONLY = 1 };

enum cef_key_event_type_t { KEYEVENT_RAWKEYDOWN = 0, KEYEVENT_KEYDOWN, KEYEVENT_KEYUP, KEYEVENT_CHAR };

// A key as the engine reports it; windows_key_code is a Windows virtual-key code.
struct CefKeyEvent
{
    cef_key_event_type_t type = KEYEVENT_RAWKEYDOWN;
    uint32_t modifiers = 0;
    int windows_key_code = 0;
    int native_key_code = 0;
    bool is_system_key = false;
    char16_t character = 0;
    char16_t unmodified_character = 0;
    bool focus_on_editable_field = false;
};

// Window styles and placement, with their Windows values.
constexpr unsigned long WS_CHILD = 0x40000000L;
constexpr unsigned long WS_VISIBLE = 0x10000000L;
constexpr unsigned long WS_CLIPSIBLINGS = 0x04000000L;
constexpr unsigned long WS_CLIPCHILDREN = 0x02000000L;
constexpr unsigned long WS_TABSTOP = 0x00010000L;
constexpr unsigned long WS_OVERLAPPEDWINDOW = 0x00CF0000L;
constexpr unsigned long WS_EX_NOACTIVATE = 0x08000000L;
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// Windows virtual-key codes Farplay looks at.
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_F12 = 0x7B;
