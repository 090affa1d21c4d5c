/* The least any X11 program can do to move a window: one override-redirect window, moved leftwards by
 * 3 pixels every 16 ms with one configure request each, wrapping round at the screen's left edge. The
 * moving desktop window's CPU cost, and the X server's, are measured against it.
 *   bare_xcb_move [WIDTH HEIGHT [TOP]]   (default 400x40 at the top)
 */
#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char** argv) {
    const int width = argc > 2 ? atoi(argv[1]) : 400;
    const int height = argc > 2 ? atoi(argv[2]) : 40;
    const int top = argc > 3 ? atoi(argv[3]) : 0;
    if (width < 1 || height < 1) {
        fprintf(stderr, "usage: %s [WIDTH HEIGHT [TOP]]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, (int16_t)top, (uint16_t)width,
                      (uint16_t)height, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    static const char name[] = "Bare xcb";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof name - 1, name);
    xcb_map_window(c, window);
    xcb_flush(c);

    int x = screen->width_in_pixels;
    struct timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        next.tv_nsec += 16 * 1000 * 1000;
        if (next.tv_nsec >= 1000 * 1000 * 1000) {
            next.tv_nsec -= 1000 * 1000 * 1000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL);
        x = x - 3 < -width ? screen->width_in_pixels : x - 3;
        const uint32_t position[] = {(uint32_t)x};
        xcb_configure_window(c, window, XCB_CONFIG_WINDOW_X, position);
        if (xcb_flush(c) <= 0)
            return 0; /* the server has gone */
    }
}
