#include "app.h"

namespace {
CWinApp* theOneApp = nullptr;
}

CWinApp::CWinApp(const char*) { theOneApp = this; }

CWinApp::~CWinApp() {
    if (theOneApp == this) theOneApp = nullptr;
}

CWinApp* AfxGetApp() { return theOneApp; }

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    // The program runs inside InitInstance; there is no message loop of the
    // application's own to run afterwards.
    app->InitInstance();
    return app->ExitInstance();
}
