// The velinor program in a real X window (run under xvfb-run), where the SDL tests' dummy driver
// cannot look: its titled window shows the frame, takes the stylus through the X server and ends
// well on the window manager's close request.
// GoogleTest before Xlib, whose macros (None, Bool) would break its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The screen is shown at twice its size: screen pixel (x, y) is window pixel (2x, 2y).
constexpr int Scale = 2;
constexpr unsigned long BarGrey = 0xC0C0C0;
constexpr unsigned long BarEdge = 0x848284;
constexpr unsigned long Paper = 0xFFFFFF;

bool WaitFor(const std::function<bool()>& done, std::chrono::seconds limit) {
    for (auto end = Clock::now() + limit; Clock::now() < end;) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* program = std::getenv("VELINOR_PROGRAM");
        ASSERT_NE(program, nullptr) << "VELINOR_PROGRAM names the program";
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr) << "no X display: run under xvfb-run";
        // A window may go between listing it and asking its name: such errors are no faults.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        char* argv[] = {const_cast<char*>(program), const_cast<char*>("--scale"),
                        const_cast<char*>("2"), nullptr};
        ASSERT_EQ(posix_spawn(&pid_, program, nullptr, nullptr, argv, environ), 0);
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    // The program's top-level window once it is titled "Velinor".
    Window FindWindow() {
        Window root = 0, parent = 0, *children = nullptr, found = 0;
        unsigned count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            if (XFetchName(display_, children[i], &name) && std::string(name) == "Velinor")
                found = children[i];
            XFree(name);
        }
        if (children != nullptr) XFree(children);
        return found;
    }

    unsigned long Pixel(int x, int y) {
        XImage* image =
            XGetImage(display_, window_, x * Scale, y * Scale, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) return ~0ul;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }
    bool Shows(int x, int y, unsigned long colour) {
        return WaitFor([&] { return Pixel(x, y) == colour; }, std::chrono::seconds(10));
    }

    void Stylus(int x, int y, bool down) {
        int left = 0, top = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), x * Scale + 1,
                              y * Scale + 1, &left, &top, &child);
        XTestFakeMotionEvent(display_, -1, left, top, CurrentTime);
        XTestFakeButtonEvent(display_, 1, down, CurrentTime);
        XSync(display_, False);
    }

    Display* display_ = nullptr;
    pid_t pid_ = 0;
    Window window_ = 0;
};

TEST_F(RealWindow, ShowsItsFrameTakesTheStylusAndClosesOnRequest) {
    ASSERT_TRUE(WaitFor([&] { return (window_ = FindWindow()) != 0; }, std::chrono::seconds(20)));
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(display_, window_, &attributes));
    EXPECT_EQ(std::pair(attributes.width, attributes.height), std::pair(240 * Scale, 320 * Scale));

    // The command bar's grey right of its buttons: the frame is on the screen.
    ASSERT_TRUE(Shows(235, 10, BarGrey));

    // New Game's toolbar button is drawn pressed while the stylus holds it (its top edge turns
    // dark) and let go when the stylus lifts.
    Stylus(120, 12, true);
    EXPECT_TRUE(Shows(115, 1, BarEdge));
    Stylus(120, 12, false);
    EXPECT_TRUE(Shows(115, 1, BarGrey));

    // The Menu button opens the menu over the board: white paper where there was none.
    EXPECT_NE(Pixel(95, 40), Paper);
    Stylus(10, 12, true);
    Stylus(10, 12, false);
    EXPECT_TRUE(Shows(95, 40, Paper));

    // A close request: nothing is in progress, so the program ends at once, and well.
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window_;
    close.xclient.format = 32;
    close.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, window_, False, NoEventMask, &close);
    XSync(display_, False);
    int status = -1;
    ASSERT_TRUE(
        WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, std::chrono::seconds(20)))
        << "still running after the close request";
    pid_ = 0;
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
