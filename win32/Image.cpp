#include "Image.h"

#include "SystemError.h"
#include "Utf8.h"

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
    RegisterClassOnce({.Name = L"TImage"});
    CreateControl(parent, properties.Control, {.ClassName = L"TImage"});
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
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

} // namespace win32
