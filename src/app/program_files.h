// Where the program keeps its files.
//
// The program directory holds every file the program writes: "zenpa.ini",
// "zenpa.his" and the auto-record puzzle files. A copy of the program that
// sits in a writable directory together with its "zenpa.ini" keeps using
// that directory (a portable copy); an installed program uses a per-user
// directory under the XDG data home instead, made on the first run.
//
// Read-only files that come with the program (the manual, the sounds) are
// looked up in the program directory first, so a person may replace them,
// and then in the installed data directory "share/zenpa/" beside "bin/".
#pragma once

#include <string>
#include <vector>

namespace zenpa::app {

// Where the program runs: its own directory and the environment's
// XDG_DATA_HOME and HOME (empty when unset).
struct ProgramPlaces {
  std::string binaryDir;
  std::string xdgDataHome;
  std::string home;
};

// The program directory, with a trailing "/". A per-user directory that
// cannot be made is still returned: writing there then fails with the
// message of the file concerned, and nothing goes elsewhere by surprise.
// problem, when given, gets the path and the reason (Shift-JIS) of a
// directory that could not be made, for a message at start-up; it stays
// empty otherwise.
std::string ChooseProgramDir(const ProgramPlaces &places, std::string *problem = nullptr);

// The share/zenpa/ folder beside binaryDir's parent, written without ".."
// (messages show it), with a trailing "/".
std::string InstalledDataDir(const std::string &binaryDir);

// The name the desktop knows the program by: its desktop entry
// (zenpa.desktop), its window class and its icon in the icon theme.
inline constexpr const char *kDesktopName = "zenpa";

// The program's icon rendered to PNG, in the icon theme's folders beside
// dataDir (share/icons/hicolor/NxN/apps/zenpa.png), smallest first: those
// that exist.
std::vector<std::string> InstalledIconFiles(const std::string &dataDir);

// programDir + name, else dataDir + name, when that is a file; else empty.
std::string FindProgramFile(const std::string &name, const std::string &programDir,
                            const std::string &dataDir);

// The sounds of both games: pi.wav at a start, po.wav at a wrong digit and
// pp.wav at the goal, each looked up as FindProgramFile does.
struct GameSoundFiles {
  std::string start, wrong, goal;
};
GameSoundFiles FindGameSounds(const std::string &programDir, const std::string &dataDir);

} // namespace zenpa::app
