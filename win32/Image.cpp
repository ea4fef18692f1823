#include "Image.h"

#include "SystemError.h"
#include "Utf8.h"

#include <utility>

namespace win32 {

void Image::Create(Window& parent, const ImageProperties& properties) {
    const std::wstring picture = Widen(properties.Picture);
    m_picture.Reset(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), picture.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!m_picture)
        ThrowLastError();
    BITMAP description{};
    ::GetObjectW(m_picture.Get(), sizeof description, &description);
    m_pictureSize = {description.bmWidth, description.bmHeight};
    m_hint = properties.Hint;
    // Without CS_DBLCLKS the second press of a double click would come as a press and click again.
    RegisterClassOnce({.Name = L"TImage", .Style = CS_DBLCLKS});
    CreateControl(parent, properties.Control, {.ClassName = L"TImage"});
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(LOWORD(lParam)))
            return TRUE;
        break;
    case WM_LBUTTONDOWN:
        OnPress(Press::StartsClick);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        OnPress(Press::NoAction);
        return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
        OnPress(Press::NoAction);
        return TRUE;
    case WM_LBUTTONUP:
        OnLeftRelease(GET_KEYSTATE_WPARAM(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_RBUTTONUP: // taken, so that no context menu request reaches the chart either
    case WM_MBUTTONUP:
        OnRelease(GET_KEYSTATE_WPARAM(wParam));
        return 0;
    case WM_XBUTTONUP:
        OnRelease(GET_KEYSTATE_WPARAM(wParam));
        return TRUE;
    case WM_CAPTURECHANGED:
        m_clickStarted = false;
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Image::OnPaint() {
    const PaintDC paint(Handle());
    const HDC dc = paint.Get();
    {
        // Outside the picture: the parent's picture, in the parent's client coordinates.
        const int saved = ::SaveDC(dc);
        ::ExcludeClipRect(dc, 0, 0, m_pictureSize.Width, m_pictureSize.Height);
        POINT origin{0, 0};
        ::MapWindowPoints(Handle(), Parent()->Handle(), &origin, 1);
        ::SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
        ::SendMessageW(Parent()->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        ::RestoreDC(dc, saved);
    }
    const MemoryDC pictureDC(dc);
    const SelectedObject selected(pictureDC.Get(), m_picture.Get());
    ::BitBlt(dc, 0, 0, m_pictureSize.Width, m_pictureSize.Height, pictureDC.Get(), 0, 0, SRCCOPY);
}

bool Image::OnSetCursor(UINT hitTest) {
    if (hitTest != HTCLIENT)
        return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void Image::OnPress(Press press) {
    if (::GetCapture() != Handle())
        ::SetCapture(Handle());
    if (press == Press::StartsClick)
        m_clickStarted = true;
}

void Image::OnLeftRelease(WPARAM keys, POINT point) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const bool click = std::exchange(m_clickStarted, false) && ::PtInRect(&client, point);
    OnRelease(keys);
    if (click)
        Click();
}

void Image::OnRelease(WPARAM keys) {
    if (!(keys & MouseButtonKeys) && ::GetCapture() == Handle())
        ::ReleaseCapture();
}

void Image::Click() {
    if (OnClick)
        OnClick(*this);
}

} // namespace win32
