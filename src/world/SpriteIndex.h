#pragma once
// The images of the actor sprite set ("data/sprites") that the code uses by
// number. tools/gen_sprites.py draws the set from this table, and
// tools/check_sprite_table.py fails when the two disagree. A range names its
// first image; a _KINDS constant counts the images of a range.
namespace SpriteIndex {

// People: the player's firing pose, an officer's three walking frames and
// firing pose, and the two kinds of corpse.
const int PLAYER_FIRING = 3, POLICE_WALK = 29, POLICE_FIRING = 32;
const int CIVILIAN_CORPSE = 17, POLICE_CORPSE = 33;

// Weapons and pick-ups lying on the map (a pill shows the slow-motion clock),
// and what the guns fire.
const int SHOTGUN = 14, SUB_MACHINE_GUN = 15, REVOLVER = 16, MICRO_AR = 22, NAILGUN = 28,
          HEALTH_PACK = 34, PISTOL = 35;
const int BULLET = 9, NAIL = 27;

// Effects on the map, and the larder's three storing frames.
const int BLOOD = 10, BLOOD_KINDS = 3, BULLET_HOLE = 24, CASING = 25, LARDER_DROP_MARKER = 40;
const int LARDER_STORING = 37;

// The head-up display and the info panel.
const int HEALTH_SLOT = 7, HEALTH_UNIT = 8, CURSOR = 13, TALK_BOX = 18, SLOWMO_CLOCK = 26,
          KILL_ICON = 36, PEOPLE_LEFT_ICON = 41, LARDER_ICON = 42, LARDER_ARROW = 44;

// Whole screens and the menu's decoration; survival has a help screen of its own.
const int MENU_EMBLEM = 6, MENU_LARDER = 19, MENU_BADGE = 20, CREDITS_BACKGROUND = 23,
          HELP_SCREEN = 43, SURVIVAL_HELP_SCREEN = 60;

} // namespace SpriteIndex
