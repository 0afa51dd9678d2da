// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_events.h"

#include <windows.h>

#include <dbt.h>

namespace korvex {
namespace {

constexpr wchar_t kWindowClass[] = L"KorvexPortEvents";

// WM_DEVICECHANGE reaches a message-only window once it has asked for the
// notices of every device interface; Qt's event loop dispatches the thread's
// messages, so the window procedure runs on the thread that made it.
class WindowsPortEvents final : public PortEvents {
public:
    WindowsPortEvents() {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowsPortEvents::procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kWindowClass;
        if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            problem_ = systemText(QStringLiteral("the notice window's class"));
            return;
        }
        window_ = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    instance, nullptr);
        if (!window_) {
            problem_ = systemText(QStringLiteral("the notice window"));
            return;
        }
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        notification_ = ::RegisterDeviceNotificationW(
            window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
        if (!notification_) {
            problem_ = systemText(QStringLiteral("the device notices"));
            return;
        }
        source_ = QStringLiteral("WM_DEVICECHANGE");
    }

    ~WindowsPortEvents() override {
        if (notification_)
            ::UnregisterDeviceNotification(notification_);
        if (window_) {
            ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            ::DestroyWindow(window_);
        }
    }

    WindowsPortEvents(const WindowsPortEvents&) = delete;
    WindowsPortEvents& operator=(const WindowsPortEvents&) = delete;

    QString source() const override { return source_; }
    QString problem() const override { return problem_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM what, LPARAM detail) {
        if (message == WM_DEVICECHANGE &&
            (what == DBT_DEVICEARRIVAL || what == DBT_DEVICEREMOVECOMPLETE)) {
            auto* self =
                reinterpret_cast<WindowsPortEvents*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self)
                emit self->changed();
            return TRUE;
        }
        return ::DefWindowProcW(window, message, what, detail);
    }

    static QString systemText(const QString& what) {
        wchar_t* text = nullptr;
        const DWORD error = ::GetLastError();
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                             FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        const QString said =
            text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("error %1").arg(error);
        ::LocalFree(text);
        return QStringLiteral("%1 could not be set up: %2").arg(what, said);
    }

    HWND window_ = nullptr;
    HDEVNOTIFY notification_ = nullptr;
    QString source_;
    QString problem_;
};

} // namespace

std::unique_ptr<PortEvents> makeSystemPortEvents() {
    return std::make_unique<WindowsPortEvents>();
}

} // namespace korvex
