// Which folders lie on pseudo file systems. Only Linux tells file systems
// apart cheaply (by statfs's type number); elsewhere no folder is one.
#ifdef __linux__
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#endif

#include <cstdint>
#include <fstream>
#include <string>

#include "core/platform/platform.h"

namespace qvn {

#ifdef __linux__
namespace {

// The type numbers of the kernel's pseudo file systems (linux/magic.h; kept
// here, as older headers lack some of them).
constexpr std::uint32_t kPseudoTypes[] = {
    0x9fa0,      // proc
    0x62656572,  // sysfs
    0x0027e0eb,  // cgroup
    0x63677270,  // cgroup2
    0x64626720,  // debugfs
    0x74726163,  // tracefs
    0x73636673,  // securityfs
    0x6165676c,  // pstore
    0xcafe4a11,  // bpf
    0x62656570,  // configfs
    0x00001cd1,  // devpts
    0x19800202,  // mqueue
    0x958458f6,  // hugetlbfs
    0x65735543,  // fusectl
    0x42494e4d,  // binfmt_misc
    0x00000187,  // autofs
    0xf97cff8c,  // selinuxfs
    0x43415d53,  // smackfs
    0xde5e81e4,  // efivarfs
    0x6e736673,  // nsfs
    0x07655821,  // resctrl
    0x00009fa2,  // usbdevfs
    0x67596969,  // rpc_pipefs
    0xabba1974,  // xenfs
};

constexpr std::uint32_t kTmpfsType = 0x01021994;
constexpr std::uint32_t kRamfsType = 0x858458f6;

// The type name of the file system mounted from device, as the mount table
// gives it ("" when not found). Lines read "id parent major:minor root
// mount-point options [tags] - type source options".
std::string MountedTypeName(dev_t device) {
  std::ifstream table("/proc/self/mountinfo");
  const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
  for (std::string line; std::getline(table, line);) {
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first + 1);
    const std::size_t third = line.find(' ', second + 1);
    if (third == std::string::npos || line.compare(second + 1, third - second - 1, wanted) != 0)
      continue;
    const std::size_t dash = line.find(" - ", third);
    if (dash == std::string::npos) return {};
    return line.substr(dash + 3, line.find(' ', dash + 3) - dash - 3);
  }
  return {};
}

bool IsPseudo(std::uint32_t type, dev_t device) {
  for (const std::uint32_t pseudo : kPseudoTypes)
    if (type == pseudo) return true;
  // devtmpfs has no type number of its own: it reports tmpfs's (or ramfs's).
  return (type == kTmpfsType || type == kRamfsType) && MountedTypeName(device) == "devtmpfs";
}

}  // namespace

bool FolderHandle::OnPseudoFileSystem() const {
  struct statfs fs;
  struct stat st;
  const bool known = fd_ >= 0 ? fstatfs(fd_, &fs) == 0 && fstat(fd_, &st) == 0
                              : statfs(path_.c_str(), &fs) == 0 && stat(path_.c_str(), &st) == 0;
  // The type number is 32 bits wide; f_type may hold it sign-extended.
  return known && IsPseudo(static_cast<std::uint32_t>(fs.f_type), st.st_dev);
}

#else

bool FolderHandle::OnPseudoFileSystem() const { return false; }

#endif

}  // namespace qvn
