#pragma once
#include <algorithm>

// Where the picture, composed at a fixed size, lies in a window of any size:
// as large as fits, its shape kept, centred between bars.
struct Letterbox {
    int x = 0, y = 0, w = 1, h = 1;  // the picture's rectangle in the window
    int pictureW = 1, pictureH = 1;

    static Letterbox fit(int pictureW, int pictureH, int windowW, int windowH)
    {
        Letterbox b;
        b.pictureW = pictureW;
        b.pictureH = pictureH;
        // The smaller of the two stretch factors, kept in whole pixels.
        if ((long)windowW * pictureH <= (long)windowH * pictureW) {
            b.w = windowW;
            b.h = (int)((long)windowW * pictureH / pictureW);
        } else {
            b.h = windowH;
            b.w = (int)((long)windowH * pictureW / pictureH);
        }
        b.w = std::max(b.w, 1);
        b.h = std::max(b.h, 1);
        b.x = (windowW - b.w) / 2;
        b.y = (windowH - b.h) / 2;
        return b;
    }

    // A window position as a picture position; points on the bars go to the
    // nearest edge of the picture.
    int toPictureX(int wx) const { return clampTo((int)((long)(wx - x) * pictureW / w), pictureW); }
    int toPictureY(int wy) const { return clampTo((int)((long)(wy - y) * pictureH / h), pictureH); }
    // A distance moved in the window, in picture pixels.
    int scaleX(int d) const { return (int)((long)d * pictureW / w); }
    int scaleY(int d) const { return (int)((long)d * pictureH / h); }

private:
    static int clampTo(int v, int size) { return std::min(std::max(v, 0), size - 1); }
};
