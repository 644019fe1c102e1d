#include "app/CommandLine.h"

#include <cstring>

namespace {

struct Option {
    const char* name;
    const char* argument; // nullptr when the option takes none
    const char* help;
    void (*apply)(CommandLine& line, const std::string& value);
};

const Option OPTIONS[] = {
    {"--help", nullptr, "show this help and exit",
     [](CommandLine& c, const std::string&) { c.action = CommandLine::SHOW_HELP; }},
    {"--version", nullptr, "show the version and exit",
     [](CommandLine& c, const std::string&) { c.action = CommandLine::SHOW_VERSION; }},
    {"--data", "DIR", "play with the data in DIR/data",
     [](CommandLine& c, const std::string& v) { c.dataFolder = v; }},
    {"--fullscreen", nullptr, "full screen, whatever config.cfg says",
     [](CommandLine& c, const std::string&) { c.fullscreen = true; }},
    {"--windowed", nullptr, "in a window, whatever config.cfg says",
     [](CommandLine& c, const std::string&) { c.fullscreen = false; }},
    {"--scale", "N", "a window N times the picture (1 to 4)",
     [](CommandLine& c, const std::string& v) {
         if (v.size() == 1 && v[0] >= '1' && v[0] <= '4') {
             c.scale = v[0] - '0';
         } else {
             c.action = CommandLine::FAIL;
             c.error = "--scale takes 1, 2, 3 or 4, not '" + v + "'";
         }
     }},
    {"--record", "FILE", "record the first game played into FILE",
     [](CommandLine& c, const std::string& v) { c.recordPath = v; }},
    {"--replay", "FILE", "play the game recorded in FILE again, then exit",
     [](CommandLine& c, const std::string& v) { c.replayPath = v; }},
};

const Option* findOption(const std::string& name)
{
    for (const Option& o : OPTIONS) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

CommandLine failed(const std::string& error)
{
    CommandLine c;
    c.action = CommandLine::FAIL;
    c.error = error;
    return c;
}

}

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine line;
    for (int i = 1; i < argc; i++) {
        std::string word = argv[i];
        size_t equals = word.find('=');
        std::string name = word.substr(0, equals);
        const Option* option = word.compare(0, 2, "--") == 0 ? findOption(name) : nullptr;
        if (!option)
            return failed(word.compare(0, 1, "-") == 0 ? "unknown option '" + name + "'"
                                                       : "unexpected argument '" + word + "'");
        std::string value;
        if (!option->argument) {
            if (equals != std::string::npos)
                return failed("option '" + name + "' takes no value");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return failed("option '" + name + "' needs " + option->argument);
        }
        option->apply(line, value);
        if (line.action == CommandLine::FAIL)
            return line;
    }
    return line;
}

std::string usageText(const std::string& installedData)
{
    std::string text = "Usage: larder2 [OPTION]...\n"
                       "Larder ][, a top-down action and stealth game.\n"
                       "\n"
                       "Options:\n";
    for (const Option& o : OPTIONS) {
        std::string left = std::string(o.name) + (o.argument ? std::string(" ") + o.argument : "");
        text += "  " + left + std::string(left.size() < 18 ? 18 - left.size() : 1, ' ') + o.help + "\n";
    }
    text += "\n"
            "The game plays from the first of these folders that holds data/map0.dat:\n"
            "  1. the folder given with --data\n"
            "  2. the folder named by the environment variable LARDER2_DATA\n"
            "  3. the working folder\n"
            "  4. the folder of the larder2 executable, then its parent\n"
            "  5. the installed data folder, " + installedData + "\n"
            "\n"
            "Screenshots, the script log and maps saved by the editor are written to\n"
            "that folder when it is writable, otherwise to $XDG_DATA_HOME/larder2\n"
            "(by default ~/.local/share/larder2); maps saved there are loaded first.\n"
            "config.cfg is read from there, from $XDG_CONFIG_HOME/larder2 (by default\n"
            "~/.config/larder2) or from the game's folder, the first found.\n"
            "\n"
            "Menu: Up and Down choose, Return takes the choice, E opens the map editor.\n"
            "Play: W A S D or the arrow keys walk, the mouse aims, the left button fires,\n"
            "R or the right button reloads, Space picks up, swaps, drags, drops or talks,\n"
            "I (held) shows the information panel, H the help, ` the developer console,\n"
            "F2 takes a screenshot, Escape returns to the menu. F11 switches full screen.\n"
            "Console: Return runs the line, Up recalls the last one, Escape or ` closes.\n"
            "Map editor: left button lays a tile, two right clicks fill a rectangle,\n"
            "Z/X pick the tile, W A S D or arrows scroll (Space: faster), F1 next map,\n"
            "F2 save, H (held) these keys, Escape back to the menu.\n"
            "Gamepad (the first found): left stick walks, right stick aims, triggers and\n"
            "shoulder buttons fire, A uses, X reloads, Y the panel, Back the help, Start\n"
            "the menu.\n"
            "The ten best survival runs are kept in highscores.txt in the game's folder\n"
            "or the user folder.\n";
    return text;
}
