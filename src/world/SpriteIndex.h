#pragma once
// The images of the actor sprite set ("data/sprites") that the code uses by
// number. tools/gen_sprites.py draws the set from this table, and
// tools/check_sprite_table.py fails when the two disagree. A range names its
// first image.
namespace SpriteIndex {
const int PLAYER_FIRING = 3;
const int MENU_EMBLEM = 6;
const int HEALTH_SLOT = 7;
const int HEALTH_UNIT = 8;
const int BULLET = 9;
const int BLOOD = 10; // 10 to 12
const int BLOOD_KINDS = 3;
const int CURSOR = 13;
const int SHOTGUN = 14;
const int SUB_MACHINE_GUN = 15;
const int REVOLVER = 16;
const int CIVILIAN_CORPSE = 17;
const int TALK_BOX = 18;
const int MENU_LARDER = 19;
const int MENU_BADGE = 20;
const int MICRO_AR = 22;
const int CREDITS_BACKGROUND = 23;
const int BULLET_HOLE = 24;
const int CASING = 25;
const int SLOWMO_CLOCK = 26; // also the pill lying on the map
const int NAIL = 27;
const int NAILGUN = 28;
const int POLICE_WALK = 29; // 29 to 31
const int POLICE_FIRING = 32;
const int POLICE_CORPSE = 33;
const int HEALTH_PACK = 34;
const int PISTOL = 35;
const int KILL_ICON = 36;
const int LARDER_STORING = 37; // 37 to 39
const int LARDER_DROP_MARKER = 40;
const int PEOPLE_LEFT_ICON = 41;
const int LARDER_ICON = 42;
const int HELP_SCREEN = 43;
const int LARDER_ARROW = 44;
} // namespace SpriteIndex
