// The application: runs the date form as its modal main window and ends when it closes.
#pragma once

#include "framework/Application.h"

class CTessaroApp : public fw::Application {
public:
    bool InitInstance() override;
};
