// The calling thread's single-threaded COM apartment, entered for the lifetime of this object.
// If it cannot be entered, COM services are simply unavailable to the thread.
#pragma once

#include <objbase.h>

namespace fw {

class ComApartment {
public:
    ComApartment()
        : m_entered(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    // Every successful entry, including a repeated one, is balanced by one exit.
    ~ComApartment() {
        if (m_entered) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_entered;
};

}  // namespace fw
