#pragma once
// The game's version, as the console and --version show it. The build reads
// it from here for the package version too.
#define LARDER_VERSION "1.0 ALPHA"
