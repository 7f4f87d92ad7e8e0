// Where the cars of a pack are: a game folder holding cars/, a cars/ folder, or one car's folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ombrix {

struct PackLayout {
  std::filesystem::path game;            // the folder the cars' parameters name their files from
  std::vector<std::string> car_folders;  // relative to `game` with `/`, in name order
  std::string given_in_game;             // the folder given, relative to `game` with `/` ("" for `game`)
  std::string fault;                     // empty when the folders could be listed; else why not
};

// The layout under `path`: with a `cars` folder in it (any letter case), every folder in that;
// a folder named `cars` (any case), every folder in it, its parent the game folder; else `path`
// is one car's folder and its folder's parent the game folder (the root cannot be: a fault).
// Folders are listed, links included (a link that loops or leads nowhere too: checking the car
// says so), in byte order of their names.
PackLayout find_pack_layout(const std::filesystem::path& path);

}  // namespace ombrix
