#pragma once

#include "Gdi.h"
#include "Properties.h"
#include "Window.h"

#include <functional>
#include <string>

namespace win32 {

// A picture control: the bitmap drawn opaque at its own size with its top left corner on the control's,
// neither stretched nor centred. Where the control reaches beyond the picture it shows its parent's
// picture behind it, which the parent draws on WM_PRINTCLIENT.
//
// The mouse: the pointing hand over the whole control; every press on it belongs to it together with the
// rest of that gesture (the control holds the capture until the last button is released), so the parent
// never sees it. A click is a left press and a left release both on the control, and OnClick runs on the
// release. The second press of a double click starts no click, so a double click clicks once.
class Image : public Control {
public:
    void Create(Window& parent, const ImageProperties& properties);

    std::string_view Hint() const override { return m_hint; }

    std::function<void(Image& sender)> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class Press { StartsClick, NoAction };

    void OnPaint();
    bool OnSetCursor(UINT hitTest);
    void OnPress(Press press);
    void OnLeftRelease(WPARAM keys, POINT point);
    void OnRelease(WPARAM keys);
    void Click();

    BitmapHandle m_picture;
    chart::Size m_pictureSize;
    std::string m_hint;
    bool m_clickStarted = false; // a left press on the control, not yet released
};

} // namespace win32
