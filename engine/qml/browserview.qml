import QtQuick 2.15
import QtWebEngine 1.10

// One browser of the engine layer; "host" is its BrowserWindow.
WebEngineView {
    id: view
    focus: true
    settings.unknownUrlSchemePolicy: WebEngineSettings.AllowAllUnknownUrlSchemes
    settings.fullScreenSupportEnabled: true
    settings.javascriptCanOpenWindows: true

    userScripts: [
        WebEngineScript {
            name: "engine-functions"
            injectionPoint: WebEngineScript.DocumentCreation
            worldId: WebEngineScript.MainWorld
            runOnSubframes: true
            sourceCode: host.functionScript
        }
    ]

    onLoadingChanged: host.loadEvent(loadRequest.status, loadRequest.errorCode, loadRequest.errorDomain,
                                     loadRequest.errorString, loadRequest.url)
    onNavigationRequested: {
        if (!host.isKnownScheme(request.url)) {
            request.action = WebEngineNavigationRequest.IgnoreRequest
            host.unknownScheme(request.url)
        }
    }
    onNewViewRequested: request.openIn(host.createPopup(request.requestedUrl))
    onContextMenuRequested: {
        request.accepted = true
        host.contextMenu(request.x, request.y, request.linkUrl, request.selectedText)
    }
    onFullScreenRequested: {
        request.accept()
        host.fullScreen(request.toggleOn)
    }
    onJavaScriptDialogRequested: {
        if (request.type === JavaScriptDialogRequest.DialogTypePrompt && host.isFunctionCall(request.message)) {
            request.accepted = true
            request.dialogAccept(host.callFunction(request.message, request.defaultText))
        }
    }
    onTitleChanged: host.titleEvent(title)
}
