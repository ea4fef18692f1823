#pragma once

#include "WinApi.h"

#include <utility>

// Owners of GDI resources: each releases its handle exactly once, in the way that handle needs.
namespace win32 {

// A pen, brush, font or bitmap: DeleteObject when the owner goes.
template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (m_handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using PenHandle = GdiObject<HPEN>;
using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;

// Selects an object into a DC for a scope and selects the previous one back, so that an owned object
// is never deleted while selected.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectedObject() { ::SelectObject(m_dc, m_previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A memory DC compatible with a given one (or with the screen).
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// A window's client-area DC outside WM_PAINT.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~WindowDC() {
        if (m_dc)
            ::ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// BeginPaint ... EndPaint of one WM_PAINT, EndPaint also when the painting fails.
class PaintDC {
public:
    explicit PaintDC(HWND window) : m_window(window) { ::BeginPaint(window, &m_paint); }
    ~PaintDC() { ::EndPaint(m_window, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_paint.hdc; }
    const RECT& Dirty() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

// A printer's DC from CreateDC: DeleteDC when the owner goes.
class PrinterDC {
public:
    explicit PrinterDC(HDC dc) : m_dc(dc) {}
    ~PrinterDC() {
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    PrinterDC(PrinterDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
    PrinterDC& operator=(PrinterDC&&) = delete;
    PrinterDC(const PrinterDC&) = delete;
    PrinterDC& operator=(const PrinterDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

} // namespace win32
