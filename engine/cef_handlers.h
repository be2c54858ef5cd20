#pragma once

// The handler interfaces of a browser client, with the engine's default results. The
// engine calls them on its browser UI thread.

#include "cef_base.h"
#include "cef_browser.h"
#include "cef_frame.h"
#include "cef_string.h"
#include "cef_types.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

class CefClient;

// A resource request; only its address is looked at.
class CefRequest : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefRequest> Create() { return new CefRequest; }
    CefString GetURL() const { return m_url; }
    void SetURL(const CefString& url) { m_url = url; }

private:
    CefString m_url;

    IMPLEMENT_REFCOUNTING(CefRequest);
};

// The items of a context menu about to be shown; an empty model shows no menu.
class CefMenuModel : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefMenuModel> Create() { return new CefMenuModel; }
    bool Clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.clear();
        return true;
    }
    size_t GetCount() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size();
    }
    bool AddItem(int commandId, const CefString& label)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.emplace_back(commandId, label);
        return true;
    }
    CefString GetLabelAt(size_t index) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return index < m_items.size() ? m_items[index].second : CefString();
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<int, CefString>> m_items;

    IMPLEMENT_REFCOUNTING(CefMenuModel);
};

class CefContextMenuParams : public virtual CefBaseRefCounted
{
    IMPLEMENT_REFCOUNTING(CefContextMenuParams);
};

class CefDragData : public virtual CefBaseRefCounted
{
public:
    std::vector<CefString> fileNames;

    IMPLEMENT_REFCOUNTING(CefDragData);
};

struct CefPopupFeatures
{
    bool isPopup = true;
};

enum cef_window_open_disposition_t { WOD_CURRENT_TAB = 1, WOD_NEW_FOREGROUND_TAB = 3, WOD_NEW_POPUP = 6 };

class CefDisplayHandler : public virtual CefBaseRefCounted
{
public:
    virtual void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {}
    virtual void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen) {}
};

class CefKeyboardHandler : public virtual CefBaseRefCounted
{
public:
    // True consumes the event: the page does not receive it.
    virtual bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent,
                               bool* isKeyboardShortcut)
    {
        return false;
    }
};

class CefLifeSpanHandler : public virtual CefBaseRefCounted
{
public:
    // True cancels the popup; the client and window may be changed.
    virtual bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                               const CefString& targetFrameName, cef_window_open_disposition_t targetDisposition,
                               bool userGesture, const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                               CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                               CefRefPtr<CefDictionaryValue>& extraInfo, bool* noJavascriptAccess)
    {
        return false;
    }
    virtual void OnAfterCreated(CefRefPtr<CefBrowser> browser) {}
    virtual bool DoClose(CefRefPtr<CefBrowser> browser) { return false; }
    virtual void OnBeforeClose(CefRefPtr<CefBrowser> browser) {}
};

class CefFocusHandler : public virtual CefBaseRefCounted
{
public:
    // True cancels the focus.
    virtual bool OnSetFocus(CefRefPtr<CefBrowser> browser, cef_focus_source_t source) { return false; }
    virtual void OnGotFocus(CefRefPtr<CefBrowser> browser) {}
};

class CefResourceRequestHandler : public virtual CefBaseRefCounted
{
public:
    virtual cef_return_value_t OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                                    CefRefPtr<CefRequest> request)
    {
        return RV_CONTINUE;
    }
    // A URL whose scheme the engine does not handle; true hands it to the operating system.
    virtual void OnProtocolExecution(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefRequest> request, bool& allowOsExecution)
    {
    }
};

class CefRequestHandler : public virtual CefBaseRefCounted
{
public:
    virtual CefRefPtr<CefResourceRequestHandler> GetResourceRequestHandler(
        CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request, bool isNavigation,
        bool isDownload, const CefString& requestInitiator, bool& disableDefaultHandling)
    {
        return nullptr;
    }
};

class CefContextMenuHandler : public virtual CefBaseRefCounted
{
public:
    virtual void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefContextMenuParams> params, CefRefPtr<CefMenuModel> model)
    {
    }
};

class CefDragHandler : public virtual CefBaseRefCounted
{
public:
    // True refuses the drag.
    virtual bool OnDragEnter(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDragData> dragData,
                             cef_drag_operations_mask_t mask)
    {
        return false;
    }
};

// Main-frame loads only under the Qt WebEngine back end, which cannot observe sub-frame
// loads; the scripted back end reports sub-frames too.
class CefLoadHandler : public virtual CefBaseRefCounted
{
public:
    virtual void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                             cef_transition_type_t transitionType)
    {
    }
    virtual void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) {}
    virtual void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode,
                             const CefString& errorText, const CefString& failedUrl)
    {
    }
};
