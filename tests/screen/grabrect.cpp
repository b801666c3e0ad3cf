// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screen shows at a point or in a rectangle, read straight from the X
// server, for the on-screen checks that wait on the screen many times a second
// (a card turning, a cell emptying) and cannot wait for a whole screenshot each
// time.
// Usage: grabrect X Y             prints the pixel's colour as R,G,B
//        grabrect X Y W H         prints a fingerprint of the rectangle: the same
//                                 pixels give the same fingerprint
//        grabrect X Y W H FILE    keeps the rectangle in FILE, a binary PPM picture
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: grabrect X Y [W H [FILE]]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int w = argc >= 5 ? std::atoi(argv[3]) : 1, h = argc >= 5 ? std::atoi(argv[4]) : 1;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "grabrect: no X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x + w > screen->width_in_pixels ||
        y + h > screen->height_in_pixels) {
        std::fprintf(stderr, "grabrect: %dx%d+%d+%d is not on the screen\n", w, h, x, y);
        return 2;
    }
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                          int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), ~0u),
                            nullptr),
        &std::free);
    // A screen of depth 24 keeps each pixel in four bytes: blue, green, red, unused.
    if (!image || image->depth != 24 || xcb_get_image_data_length(image.get()) != w * h * 4) {
        std::fprintf(stderr, "grabrect: the screen is not a 24-bit one\n");
        return 1;
    }
    const uint8_t* pixels = xcb_get_image_data(image.get());
    if (argc == 3) {
        std::printf("%d,%d,%d\n", pixels[2], pixels[1], pixels[0]);
    } else if (argc == 6) {
        std::FILE* file = std::fopen(argv[5], "wb");
        if (!file) {
            std::fprintf(stderr, "grabrect: cannot write %s\n", argv[5]);
            return 1;
        }
        std::fprintf(file, "P6\n%d %d\n255\n", w, h);
        for (int i = 0; i < w * h; ++i) {
            const uint8_t rgb[3] = {pixels[4 * i + 2], pixels[4 * i + 1], pixels[4 * i]};
            std::fwrite(rgb, 1, 3, file);
        }
        if (std::fclose(file) != 0) return 1;
    } else {
        uint64_t fingerprint = 14695981039346656037u;  // FNV-1a
        for (int i = 0; i < w * h * 4; ++i) {
            if (i % 4 == 3) continue;
            fingerprint = (fingerprint ^ pixels[i]) * 1099511628211u;
        }
        std::printf("%016llx\n", static_cast<unsigned long long>(fingerprint));
    }
    xcb_disconnect(connection);
    return 0;
}
