#pragma once
// An optional record of what lands on screen, for checking layouts: every
// sprite drawn and every text printed, as the box it covers. Nothing is
// recorded unless a list is given.
#include <string>
#include <vector>

struct DrawnBox {
    int left, top, right, bottom;
    const void* source; // the sprite set or the font that drew it
    int sprite;         // the sprite's number; -1 for text
    std::string text;
};

namespace DrawLog {
// Where boxes go while set; null (the default) records nothing.
extern std::vector<DrawnBox>* sink;

inline void record(const DrawnBox& box)
{
    if (sink && box.right > box.left && box.bottom > box.top)
        sink->push_back(box);
}
} // namespace DrawLog
