#include "Screenshots.h"

#include <windows.h>

#include <wincodec.h>

#include <sstream>
#include <stdexcept>

#include "../e2e/NotRun.h"
#include "JobProcess.h"
#include "TestList.h"
#include "Text.h"

namespace {

constexpr DWORD kTourTimeoutMs = 60000;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

void Check(HRESULT result, const char* what) {
    if (FAILED(result)) Fail(std::string("cannot write a PNG: ") + what + " failed");
}

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ComPtr() = default;
    ~ComPtr() {
        if (p != nullptr) p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// The screen's pixels in the area, as rows of BGR bytes from the top.
std::vector<BYTE> CaptureScreen(const RECT& area, UINT& stride) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BOOL copied =
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    stride = static_cast<UINT>((width * 3 + 3) & ~3);
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || rows != height) Fail("cannot read the screen");
    return pixels;
}

void WritePng(const std::wstring& path, const RECT& area) {
    UINT stride = 0;
    std::vector<BYTE> pixels = CaptureScreen(area, stride);
    const UINT width = area.right - area.left;
    const UINT height = area.bottom - area.top;
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "the imaging factory");
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(&stream), "a stream");
    Check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), "opening the file");
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "the PNG encoder");
    Check(encoder->Initialize(stream.p, WICBitmapEncoderNoCache), "the encoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(&frame, nullptr), "a frame");
    Check(frame->Initialize(nullptr), "the frame");
    Check(frame->SetSize(width, height), "the size");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&format), "the pixel format");
    if (format != GUID_WICPixelFormat24bppBGR) Fail("cannot write a PNG: no 24-bit format");
    Check(frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data()),
          "the pixels");
    Check(frame->Commit(), "the frame");
    Check(encoder->Commit(), "the file");
}

// The area a "shot" line names, cut to the screen.
RECT ShotArea(std::istringstream& line) {
    long x = 0;
    long y = 0;
    long width = 0;
    long height = 0;
    if (!(line >> x >> y >> width >> height)) Fail("the tour named no area");
    const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const RECT wanted{x, y, x + width, y + height};
    RECT area{};
    if (!IntersectRect(&area, &wanted, &screen)) Fail("the tour named an area off the screen");
    return area;
}

}  // namespace

std::vector<std::wstring> TakeScreenshots(const std::wstring& tourCommandLine,
                                          const std::wstring& folder) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE fromTour = nullptr;
    HANDLE tourOutput = nullptr;
    HANDLE tourInput = nullptr;
    HANDLE toTour = nullptr;
    if (!CreatePipe(&fromTour, &tourOutput, &inheritable, 0) ||
        !CreatePipe(&tourInput, &toTour, &inheritable, 0)) {
        Fail("cannot make pipes for the tour");
    }
    SetHandleInformation(fromTour, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(toTour, HANDLE_FLAG_INHERIT, 0);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    std::vector<std::wstring> written;
    std::string error;
    bool notRun = false;
    try {
        const JobProcess tour(tourCommandLine, tourInput, tourOutput);
        CloseHandle(tourInput);
        CloseHandle(tourOutput);
        tourInput = tourOutput = nullptr;
        // Each line the tour prints; "shot NAME X Y WIDTH HEIGHT" waits for a reply.
        std::string pending;
        std::string said;  // the tour's last other line: why it stopped, if it did
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(fromTour, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            pending.append(buffer, read);
            for (size_t end = pending.find('\n'); end != std::string::npos;
                 end = pending.find('\n')) {
                std::istringstream line(pending.substr(0, end));
                pending.erase(0, end + 1);
                std::string word;
                std::string name;
                if (!(line >> word >> name) || word != "shot") {
                    said = line.str();
                    continue;
                }
                const std::wstring path = folder + L"\\" + FromProgramOutput(name) + L".png";
                WritePng(path, ShotArea(line));
                written.push_back(FromProgramOutput(name) + L".png");
                DWORD sent = 0;
                WriteFile(toTour, "ok\n", 3, &sent, nullptr);
            }
        }
        if (tour.Wait(kTourTimeoutMs) && tour.ExitCode() == kNotRunExitCode) {
            throw ToursNotRun(Utf8(NotRunReason(FromProgramOutput(said))));
        }
        if (!tour.Wait(0) || tour.ExitCode() != 0) {
            Fail("the tour ended early (exit code " + std::to_string(tour.ExitCode()) +
                 "): " + said);
        }
    } catch (const ToursNotRun& e) {
        error = e.what();
        notRun = true;
    } catch (const std::exception& e) {
        error = e.what();
    }
    for (HANDLE handle : {fromTour, tourOutput, tourInput, toTour}) {
        if (handle != nullptr) CloseHandle(handle);
    }
    CoUninitialize();
    if (notRun) throw ToursNotRun(error);
    if (!error.empty()) Fail(error);
    return written;
}
