/* The least any X11 program can do to move a window: one override-redirect window, moved leftwards by
 * 3 pixels every 16 ms with one configure request each, wrapping round at the screen's left edge. The
 * moving desktop window's CPU cost, and the X server's, are measured against it.
 *   bare_xcb_move [WIDTH HEIGHT [TOP [SHAPE-WINDOW]]]   (default 400x40 at the top)
 * With SHAPE-WINDOW (an X window id) the window first takes that window's bounding shape, so the cost of
 * moving a shaped window can be told from the cost of the program moving it. Prints "ready" once shown.
 */
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

/* Gives `window` the bounding shape of `from`; false when there is none to copy. */
static int CopyShape(xcb_connection_t* c, xcb_window_t from, xcb_window_t window) {
    xcb_shape_get_rectangles_reply_t* shape =
        xcb_shape_get_rectangles_reply(c, xcb_shape_get_rectangles(c, from, XCB_SHAPE_SK_BOUNDING), NULL);
    if (!shape)
        return 0;
    xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, shape->ordering, window, 0, 0,
                         (uint32_t)xcb_shape_get_rectangles_rectangles_length(shape),
                         xcb_shape_get_rectangles_rectangles(shape));
    free(shape);
    return 1;
}

int main(int argc, char** argv) {
    const int width = argc > 2 ? atoi(argv[1]) : 400;
    const int height = argc > 2 ? atoi(argv[2]) : 40;
    const int top = argc > 3 ? atoi(argv[3]) : 0;
    const xcb_window_t shapeFrom = argc > 4 ? (xcb_window_t)strtoul(argv[4], NULL, 0) : XCB_NONE;
    if (width < 1 || height < 1) {
        fprintf(stderr, "usage: %s [WIDTH HEIGHT [TOP [SHAPE-WINDOW]]]\n", argv[0]);
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
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, screen->width_in_pixels, (int16_t)top,
                      (uint16_t)width, (uint16_t)height, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    static const char name[] = "Bare xcb";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof name - 1, name);
    if (shapeFrom != XCB_NONE && !CopyShape(c, shapeFrom, window)) {
        fprintf(stderr, "%s: no shape to copy from window 0x%x\n", argv[0], (unsigned)shapeFrom);
        return 1;
    }
    xcb_map_window(c, window);
    xcb_flush(c);
    puts("ready");
    fflush(stdout);

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
