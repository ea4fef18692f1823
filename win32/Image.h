#pragma once

#include "Gdi.h"
#include "Properties.h"
#include "Window.h"

namespace win32 {

// A picture control: the bitmap drawn opaque at its own size with its top left corner on the control's,
// neither stretched nor centred. Where the control reaches beyond the picture it shows its parent's
// picture behind it, which the parent draws on WM_PRINTCLIENT.
class Image : public Control {
public:
    void Create(Window& parent, const ImageProperties& properties);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();

    BitmapHandle m_picture;
    chart::Size m_pictureSize;
};

} // namespace win32
