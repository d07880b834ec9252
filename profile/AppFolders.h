#pragma once

#include <filesystem>
#include <string>

// Where the program keeps its files. A build folder or an unpacked portable
// copy keeps ordkamp.se and ordkamp.ini beside the program. An installed
// program (P/bin/ordkamp with P/share/ordkamp) cannot write there: its
// settings and word list live in the player's data folder, which gets a copy
// of the installed word list on the first start, and the readme is read from
// P/share/ordkamp.
struct AppFolders {
    std::filesystem::path files; // ordkamp.ini and ordkamp.se: "the program folder"
    std::filesystem::path docs; // ReadMe.txt
    std::string error; // what could not be prepared; empty when all is well
};

// The decision for a program in `programFolder`, with `dataHome` the user's
// data folder ($XDG_DATA_HOME). Creates the per-user folder and copies the
// word list when needed.
AppFolders DecideAppFolders(const std::filesystem::path& programFolder, const std::filesystem::path& dataHome);

// $XDG_DATA_HOME when set and absolute, else ~/.local/share.
std::filesystem::path UserDataHome();

// Makes the decision for the running program, once; GetAppPath and
// GetDocPath follow it from then on.
const AppFolders& SetUpAppFolders();
