#pragma once
// Where the files the game writes go (screenshots, the console picture, the
// script log, maps saved by the editor) and where "config.cfg" is read from.
//
// The game runs with its game folder (the folder that holds "data") as the
// working folder. When that folder is writable, user files go there under
// their plain names, as they always have. Otherwise they go to the user
// folder $XDG_DATA_HOME/larder2 (by default ~/.local/share/larder2), which is
// made on first use, and the maps there are read before the game's own.
#include <string>

// The environment variables the rule depends on; empty means unset.
struct UserEnvironment {
    std::string home;
    std::string xdgDataHome;
    std::string xdgConfigHome;
    static UserEnvironment current();
};

class UserFiles {
public:
    // User files in the game folder: the plain relative names.
    UserFiles() = default;

    // The rule: the game folder when it is writable, else the user folder
    // named by env. Without XDG_DATA_HOME and HOME there is no place to write
    // and every write is reported as failed.
    static UserFiles choose(bool gameFolderWritable, const UserEnvironment& env);

    // True when the game may write into folder and its data folder.
    static bool writable(const std::string& folder);

    // The path to write the user file `name` (e.g. "sshot.bmp" or
    // "data/map0.dat") to. Makes the folders it needs; on failure reports
    // why on standard error and returns "".
    std::string writePath(const std::string& name) const;

    // The path to read the data file `name` from: the user folder's copy
    // when there is one, else the game's own.
    std::string readPath(const std::string& name) const;

    // The "config.cfg" to read, the first that exists of: the user folder's
    // (the game folder's when user files go there), the one in
    // $XDG_CONFIG_HOME/larder2 (by default ~/.config/larder2), the game
    // folder's; "config.cfg" when none does.
    std::string configPath() const;

    // "" when user files go to the game folder, else the user folder.
    const std::string& folder() const { return userFolder; }
    bool inGameFolder() const { return !separate; }

private:
    bool separate = false;    // user files go somewhere other than the game folder
    std::string userFolder;   // that folder; "" when there is none
    std::string configFolder; // $XDG_CONFIG_HOME/larder2; "" when unknown
};
