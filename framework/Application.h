// The application object: one per program, built by static initialisation, run by the
// process entry point (AppMain.cpp).
#pragma once

namespace fw {

class Dialog;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program; every window of it is modal and runs inside this call, so the
    // process ends when it returns (there is no message loop after it).
    virtual bool InitInstance() = 0;

    static Application* Instance();

    // Owner of dialogs opened without a parent.
    Dialog* m_pMainWnd = nullptr;
};

}  // namespace fw
