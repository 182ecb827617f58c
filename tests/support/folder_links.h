#pragma once
// Sites whose symbolic links lead to folders by many paths, or out of the
// site onto pseudo file systems. POSIX only (symbolic links). Header-only.

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace qvn::test {

/// Folders d0 .. d<levels> in site, each holding p.htm and, all but the last,
/// two links ("a" and "b") to the next: 2^levels paths lead to the last one.
/// False when a link could not be made.
inline bool MakeBranchingChain(const TempDir& site, int levels) {
  for (int level = 0; level <= levels; ++level) {
    const std::string folder = "d" + std::to_string(level) + "/";
    site.Write(folder + "p.htm", "x");
    if (level == levels) break;
    const std::string next = "../d" + std::to_string(level + 1);
    for (const char* link : {"a", "b"})
      if (symlink(next.c_str(), (site.path() + folder + link).c_str()) != 0) return false;
  }
  return true;
}

/// Links in site, named "proc" and "sys", to those of /proc and /sys that
/// are folders; their names. False when a link could not be made.
inline bool LinkPseudoFolders(const TempDir& site, std::vector<std::string>& names) {
  for (const char* name : {"proc", "sys"}) {
    struct stat st;
    const std::string target = std::string("/") + name;
    if (stat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
    if (symlink(target.c_str(), (site.path() + name).c_str()) != 0) return false;
    names.push_back(name);
  }
  return true;
}

}  // namespace qvn::test
#endif
