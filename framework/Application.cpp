#include "framework/Application.h"

namespace fw {

namespace {
Application* g_instance = nullptr;
}

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
