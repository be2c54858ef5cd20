import QtWebEngine 1.10

// The developer tools of another view.
WebEngineView {
}
