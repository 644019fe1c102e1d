// The map editor's rules that need no window.
#include <gtest/gtest.h>

#include "game/devtools/Editor.h"

TEST(EditorRules, ScreenToTileAndThePaletteLimits)
{
    Editor ed;
    int tx, ty;
    ed.screenToTile(400 - 47, 300 - 48, 800, 600, tx, ty); // the centre shows world (0, 0)
    EXPECT_EQ(tx, 0) << "division toward zero";
    EXPECT_EQ(ty, -1);
    ed.scrollX = 1000.7f;
    ed.screenToTile(0, 0, 800, 600, tx, ty); // world x trunc(600.7) = 600
    EXPECT_EQ(tx, 12);

    ed.previousTile();
    EXPECT_EQ(ed.curTile, 0);
    for (int i = 0; i < 50; i++)
        ed.nextTile(45, 12);
    EXPECT_EQ(ed.curTile, 44);
    EXPECT_EQ(ed.paletteScroll, 33);
    EXPECT_EQ(Editor::paletteSize(100), 63); // a map file cannot hold tile 63
}
