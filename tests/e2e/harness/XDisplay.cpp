#include "XDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include <chrono>
#include <map>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// Between the events of one gesture, so that the program sees them as a person's: a pace, not a wait.
constexpr auto InputPace = std::chrono::milliseconds(15);

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
} // windows may vanish while we look at them

unsigned ShiftOf(unsigned long mask) {
    unsigned shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

struct XDisplay::Connection {
    Display* Handle = nullptr;
    Window Root = 0;
    Atom NetWmName = 0;
    Atom Utf8String = 0;
    std::map<Window, Rect> Sizes; // from CreateNotify and ConfigureNotify
    std::vector<TopLevel> Mapped;
};

XDisplay::XDisplay(const std::string& name) : m_connection(new Connection) {
    m_connection->Handle = XOpenDisplay(name.c_str());
    if (!m_connection->Handle) {
        delete m_connection;
        throw std::runtime_error("cannot open display " + name);
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_connection->Handle, &eventBase, &errorBase, &major, &minor) ||
        !XFixesQueryExtension(m_connection->Handle, &eventBase, &errorBase)) {
        XCloseDisplay(m_connection->Handle);
        delete m_connection;
        throw std::runtime_error("the display " + name + " lacks the XTest or XFixes extension");
    }
    XSetErrorHandler(IgnoreErrors);
    m_connection->Root = DefaultRootWindow(m_connection->Handle);
    m_connection->NetWmName = XInternAtom(m_connection->Handle, "_NET_WM_NAME", False);
    m_connection->Utf8String = XInternAtom(m_connection->Handle, "UTF8_STRING", False);
    XSelectInput(m_connection->Handle, m_connection->Root, SubstructureNotifyMask);
    Sync();
}

XDisplay::~XDisplay() {
    XCloseDisplay(m_connection->Handle);
    delete m_connection;
}

void XDisplay::Sync() {
    XSync(m_connection->Handle, False);
}

void XDisplay::DrainEvents() {
    Display* display = m_connection->Handle;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case CreateNotify: {
            const XCreateWindowEvent& created = event.xcreatewindow;
            m_connection->Sizes[created.window] = {created.x, created.y, created.width, created.height};
            break;
        }
        case ConfigureNotify: {
            const XConfigureEvent& configured = event.xconfigure;
            m_connection->Sizes[configured.window] = {configured.x, configured.y, configured.width,
                                                      configured.height};
            break;
        }
        case MapNotify:
            m_connection->Mapped.push_back({event.xmap.window, m_connection->Sizes[event.xmap.window]});
            break;
        }
    }
}

std::vector<XDisplay::TopLevel> XDisplay::MappedWindows() {
    Sync();
    DrainEvents();
    return m_connection->Mapped;
}

std::vector<XDisplay::TopLevel> XDisplay::FindWindows(std::string_view title) {
    Display* display = m_connection->Handle;
    DrainEvents();
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<TopLevel> found;
    if (!XQueryTree(display, m_connection->Root, &root, &parent, &children, &count))
        return found;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        Atom type = 0;
        int format = 0;
        unsigned long length = 0, remaining = 0;
        unsigned char* value = nullptr;
        if (XGetWindowProperty(display, children[i], m_connection->NetWmName, 0, 1024, False,
                               m_connection->Utf8String, &type, &format, &length, &remaining,
                               &value) == Success &&
            value) {
            if (std::string_view(reinterpret_cast<const char*>(value), length) == title)
                found.push_back(
                    {children[i], {attributes.x, attributes.y, attributes.width, attributes.height}});
            XFree(value);
        }
    }
    if (children)
        XFree(children);
    return found;
}

Image XDisplay::Capture(const Rect& area) {
    Sync();
    XImage* captured = XGetImage(m_connection->Handle, m_connection->Root, area.Left, area.Top, area.Width,
                                 area.Height, AllPlanes, ZPixmap);
    if (!captured)
        throw std::runtime_error("XGetImage failed");
    const unsigned redShift = ShiftOf(captured->red_mask), greenShift = ShiftOf(captured->green_mask),
                   blueShift = ShiftOf(captured->blue_mask);
    Image image{area.Width, area.Height, {}};
    image.Pixels.reserve(static_cast<std::size_t>(area.Width) * area.Height);
    for (int y = 0; y < area.Height; ++y)
        for (int x = 0; x < area.Width; ++x) {
            const unsigned long pixel = XGetPixel(captured, x, y);
            image.Pixels.push_back({static_cast<std::uint8_t>((pixel & captured->red_mask) >> redShift),
                                    static_cast<std::uint8_t>((pixel & captured->green_mask) >> greenShift),
                                    static_cast<std::uint8_t>((pixel & captured->blue_mask) >> blueShift)});
        }
    XDestroyImage(captured);
    return image;
}

Image XDisplay::CaptureScreen() {
    Screen* screen = DefaultScreenOfDisplay(m_connection->Handle);
    return Capture({0, 0, WidthOfScreen(screen), HeightOfScreen(screen)});
}

PointerShape XDisplay::Pointer() {
    Sync();
    XFixesCursorImage* cursor = XFixesGetCursorImage(m_connection->Handle);
    if (!cursor)
        throw std::runtime_error("XFixesGetCursorImage failed");
    PointerShape shape{cursor->width, cursor->height, {cursor->xhot, cursor->yhot}, {}};
    // Xlib hands 32-bit pixels in unsigned longs.
    shape.Argb.assign(cursor->pixels,
                      cursor->pixels + static_cast<std::size_t>(cursor->width) * cursor->height);
    XFree(cursor);
    return shape;
}

void XDisplay::MoveTo(Point p) {
    XTestFakeMotionEvent(m_connection->Handle, -1, p.X, p.Y, CurrentTime);
    Sync();
    std::this_thread::sleep_for(InputPace);
}

void XDisplay::ButtonEvent(unsigned button, bool press) {
    XTestFakeButtonEvent(m_connection->Handle, button, press ? True : False, CurrentTime);
    Sync();
    std::this_thread::sleep_for(InputPace);
}

void XDisplay::Press(MouseButton button) {
    ButtonEvent(static_cast<unsigned>(button), true);
}
void XDisplay::Release(MouseButton button) {
    ButtonEvent(static_cast<unsigned>(button), false);
}

void XDisplay::Click(MouseButton button, Point p) {
    MoveTo(p);
    Press(button);
    Release(button);
}

void XDisplay::Drag(MouseButton button, Point from, Point to, int steps) {
    MoveTo(from);
    Press(button);
    for (int i = 1; i <= steps; ++i)
        MoveTo({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
    Release(button);
}

void XDisplay::Wheel(Point p, int notches) {
    MoveTo(p);
    const MouseButton button = notches > 0 ? MouseButton::WheelAway : MouseButton::WheelTowards;
    for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) {
        Press(button);
        Release(button);
    }
}

void XDisplay::KeyEvent(unsigned long keysym, bool press) {
    const KeyCode code = XKeysymToKeycode(m_connection->Handle, keysym);
    if (code == 0)
        throw std::runtime_error("no key for keysym " + std::to_string(keysym));
    XTestFakeKeyEvent(m_connection->Handle, code, press ? True : False, CurrentTime);
    Sync();
    std::this_thread::sleep_for(InputPace);
}

void XDisplay::Key(std::string_view keysym, Modifier modifier) {
    const KeySym key = XStringToKeysym(std::string(keysym).c_str());
    if (key == NoSymbol)
        throw std::runtime_error("unknown keysym " + std::string(keysym));
    KeySym held = NoSymbol;
    switch (modifier) {
    case Modifier::Unmodified:
        break;
    case Modifier::Shift:
        held = XK_Shift_L;
        break;
    case Modifier::Control:
        held = XK_Control_L;
        break;
    case Modifier::Alt:
        held = XK_Alt_L;
        break;
    }
    if (held != NoSymbol)
        KeyEvent(held, true);
    KeyEvent(key, true);
    KeyEvent(key, false);
    if (held != NoSymbol)
        KeyEvent(held, false);
}

} // namespace e2e
