// A separate X client for the injection tests: it covers the screen, takes the
// keyboard focus and prints one line per key or button event it receives, and
// one per pointer move while button 1 is down (a drag), so the tests can
// assert on what really reached another program.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11inputprobe: cannot open the display\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
        DisplayWidth(display, screen), DisplayHeight(display, screen), 0, 0, 0);
    XSelectInput(display, window,
        KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | Button1MotionMask
            | StructureNotifyMask);
    XMapWindow(display, window);

    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    // There is no window manager: take the focus and the pointer ourselves.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XWarpPointer(display, None, window, 0, 0, 0, 0, 100, 100);
    XSync(display, False);
    std::printf("ready\n");

    for (;;) {
        XNextEvent(display, &event);
        switch (event.type) {
        case KeyPress:
        case KeyRelease: {
            char text[16];
            KeySym keysym = NoSymbol;
            XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
            const char* name = XKeysymToString(keysym);
            std::printf("%s %s\n", event.type == KeyPress ? "key-press" : "key-release",
                name ? name : "NoSymbol");
            break;
        }
        case ButtonPress:
        case ButtonRelease:
            std::printf("%s %u %lu\n",
                event.type == ButtonPress ? "button-press" : "button-release", event.xbutton.button,
                static_cast<unsigned long>(event.xbutton.time));
            break;
        case MotionNotify:
            std::printf("drag %d %d\n", event.xmotion.x, event.xmotion.y);
            break;
        case MappingNotify:
            XRefreshKeyboardMapping(&event.xmapping);
            break;
        default:
            break;
        }
    }
}
