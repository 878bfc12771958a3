// Checks the Windows injection back end against a real window: built with the
// MinGW cross compiler and run under wine, free of Qt. Prints what arrived and
// exits 0 when every step saw its messages.
#include "core/platform/rotationpreference.h"
#include "core/platform/inputinjector.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using korvane::core::InputInjector;

namespace {

std::vector<std::string> g_received;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    char line[64] = {};
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        std::snprintf(line, sizeof line, "%s 0x%02X%s", message == WM_KEYDOWN ? "keydown" : "keyup",
            static_cast<unsigned>(wParam), GetKeyState(VK_SHIFT) < 0 ? " shift" : "");
        break;
    case WM_LBUTTONDOWN:
        std::snprintf(line, sizeof line, "lbuttondown");
        break;
    case WM_LBUTTONUP:
        std::snprintf(line, sizeof line, "lbuttonup");
        break;
    case WM_LBUTTONDBLCLK:
        std::snprintf(line, sizeof line, "lbuttondblclk");
        break;
    case WM_RBUTTONDOWN:
        std::snprintf(line, sizeof line, "rbuttondown");
        break;
    case WM_RBUTTONUP:
        std::snprintf(line, sizeof line, "rbuttonup");
        break;
    case WM_MOUSEWHEEL:
        std::snprintf(line, sizeof line, "mousewheel %d", GET_WHEEL_DELTA_WPARAM(wParam));
        break;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
    g_received.push_back(line);
    return 0;
}

void pump(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    MSG message;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Pumps until `count` messages arrived (or 3 s passed) and compares them.
bool expect(const char* step, const std::vector<std::string>& wanted)
{
    const DWORD end = GetTickCount() + 3000;
    MSG message;
    while (g_received.size() < wanted.size() && static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    pump(50); // anything extra would show up here
    const bool ok = g_received == wanted;
    std::printf("%s %s:", ok ? "PASS" : "FAIL", step);
    for (const std::string& line : g_received)
        std::printf(" [%s]", line.c_str());
    if (!ok) {
        std::printf("  wanted:");
        for (const std::string& line : wanted)
            std::printf(" [%s]", line.c_str());
    }
    std::printf("\n");
    g_received.clear();
    return ok;
}

} // namespace

int main()
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KorvaneInjectionProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("KorvaneInjectionProbe", "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
        0, 0, 400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::printf("FAIL cannot create a window\n");
        return 1;
    }
    SetForegroundWindow(window);
    SetFocus(window);
    RECT client;
    GetClientRect(window, &client);
    POINT centre = { (client.right - client.left) / 2, (client.bottom - client.top) / 2 };
    ClientToScreen(window, &centre);
    SetCursorPos(centre.x, centre.y);
    pump(500);
    g_received.clear();

    auto injector = InputInjector::createNative();
    bool ok = true;

    injector->sendKey(0x41, 0, 0x0001);
    injector->sendKey(0x41, 0, 0x0003);
    ok &= expect("key", { "keydown 0x41", "keyup 0x41" });

    injector->sendKey(0xA0, 0x45, 0x0001);
    injector->sendKey(0x41, 0x45, 0x0001);
    injector->sendKey(0xA0, 0x45, 0x0003);
    injector->sendKey(0x41, 0x45, 0x0003);
    ok &= expect(
        "shift key", { "keydown 0x10 shift", "keydown 0x41 shift", "keyup 0x10", "keyup 0x41" });

    ok &= injector->sendMouse(0x0002, 0) && injector->sendMouse(0x0004, 0);
    ok &= expect("left click", { "lbuttondown", "lbuttonup" });

    ok &= injector->sendMouse(0x0008, 0) && injector->sendMouse(0x0010, 0);
    ok &= expect("right click", { "rbuttondown", "rbuttonup" });

    pump(600); // not part of a double click with the click above
    for (unsigned flags : { 0x0002u, 0x0004u, 0x0002u, 0x0004u })
        ok &= injector->sendMouse(flags, 0);
    ok &= expect("double click", { "lbuttondown", "lbuttonup", "lbuttondblclk", "lbuttonup" });

    ok &= injector->sendMouse(0x0800, 120);
    ok &= expect("wheel up", { "mousewheel 120" });
    ok &= injector->sendMouse(0x0800, -120);
    ok &= expect("wheel down", { "mousewheel -120" });

    // Missing before Windows 8 (and in wine): must answer false, not crash.
    const bool rotated = korvane::core::setDisplayAutoRotationPreference(1);
    std::printf("INFO display rotation preference taken: %s\n", rotated ? "yes" : "no");

    DestroyWindow(window);
    std::printf("%s\n", ok ? "ALL PASSED" : "SOME FAILED");
    return ok ? 0 : 1;
}
