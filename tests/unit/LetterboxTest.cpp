// The picture fitted into a window of any size, and mouse positions mapped back.
#include <gtest/gtest.h>

#include "app/Letterbox.h"

TEST(Letterbox, ThePictureFillsOneSideCentredAndPositionsMapBack)
{
    Letterbox same = Letterbox::fit(800, 600, 1600, 1200);
    EXPECT_TRUE(same.x == 0 && same.y == 0 && same.w == 1600 && same.h == 1200);
    EXPECT_EQ(same.toPictureX(41), 20);
    EXPECT_EQ(same.scaleY(-10), -5);

    Letterbox wide = Letterbox::fit(800, 600, 1000, 600); // bars left and right
    EXPECT_TRUE(wide.x == 100 && wide.y == 0 && wide.w == 800 && wide.h == 600);
    EXPECT_EQ(wide.toPictureX(150), 50);
    EXPECT_EQ(wide.toPictureX(20), 0) << "the bar maps to the picture's edge";
    EXPECT_EQ(wide.toPictureX(990), 799);

    Letterbox tall = Letterbox::fit(800, 600, 400, 1000); // bars above and below
    EXPECT_TRUE(tall.x == 0 && tall.y == 350 && tall.w == 400 && tall.h == 300);
    EXPECT_EQ(tall.toPictureY(500), 300);
}
