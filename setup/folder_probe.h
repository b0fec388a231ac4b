// Whether the installation can write into a folder: it is made (one level) when missing and
// probed with the file "_install.$__".
#pragma once

#include <string>

namespace vexa::setup {

// An empty folder is never accepted. A probe file the user already had is opened without
// truncation and left as it was; one made here is deleted again.
bool folderAcceptsInstall(const std::wstring& folder);

}  // namespace vexa::setup
