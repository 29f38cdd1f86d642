#include "framework/Application.h"

namespace fw {

namespace {
// The one application object; set while it exists.
Application* g_instance = nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
}  // namespace

Application::Application() {
    g_instance = this;
}

Application::~Application() {
    g_instance = nullptr;
}

Application* Application::Instance() {
    return g_instance;
}

}  // namespace fw
