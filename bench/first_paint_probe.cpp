// first_paint_probe PROGRAM [ARGS...]: starts PROGRAM on the X display of $DISPLAY
// and prints, in milliseconds, how long it took until its first top-level window
// was mapped and then showed painted content (more than one colour, or another
// colour than when it was mapped). Ends the program afterwards. Exit status 2 when no window showed
// up within 60 seconds.
#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The window's pixels, or empty when it cannot be read (not viewable yet).
std::vector<std::uint32_t> windowPixels(xcb_connection_t* connection, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return {};
    const std::uint16_t width = geometry->width;
    const std::uint16_t height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u),
        nullptr);
    if (!image)
        return {};
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
    std::vector<std::uint32_t> pixels(data, data + xcb_get_image_data_length(image) / 4);
    std::free(image);
    return pixels;
}

bool uniform(const std::vector<std::uint32_t>& pixels) {
    for (std::uint32_t pixel : pixels)
        if (pixel != pixels.front())
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_paint_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first_paint_probe: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "first_paint_probe: cannot start %s\n", argv[1]);
        return 2;
    }
    xcb_window_t window = 0;
    double mapped = 0;
    while (!window && millisecondsSince(start) < 60000) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                window = map->window;
                mapped = millisecondsSince(start);
            }
        }
        std::free(event);
    }
    // Painted: the window holds more than one colour (a painted window caught at
    // once), or its one colour changed since it was mapped (an empty window).
    double firstPaint = -1;
    std::vector<std::uint32_t> atMap;
    while (window && millisecondsSince(start) < 60000) {
        const std::vector<std::uint32_t> pixels = windowPixels(connection, window);
        if (!pixels.empty()) {
            if (atMap.empty())
                atMap = pixels;
            if (!uniform(pixels) || pixels != atMap) {
                firstPaint = millisecondsSince(start);
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(connection);
    if (firstPaint < 0) {
        std::fprintf(stderr, "first_paint_probe: %s showed no painted window\n", argv[1]);
        return 2;
    }
    std::printf("%.1f %.1f\n", mapped, firstPaint);
    return 0;
}
