#include "core/site/folder_visits.h"

namespace qvn {

bool FolderVisits::Enter(const FolderHandle& folder, bool unknown_entered) {
  const std::optional<FolderId> id = folder.Id();
  if (!id) return unknown_entered && !folder.OnPseudoFileSystem();
  auto device = pseudo_devices_.find(id->device);
  if (device == pseudo_devices_.end())
    device = pseudo_devices_.emplace(id->device, folder.OnPseudoFileSystem()).first;
  return !device->second && entered_.insert(*id).second;
}

bool FolderVisits::Enter(const std::string& folder, bool unknown_entered) {
  FolderHandle handle;
  handle.Open(folder);
  return Enter(handle, unknown_entered);
}

}  // namespace qvn
