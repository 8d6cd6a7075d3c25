#pragma once

#include <string>

namespace platform {

// The folder of the running program as the system reports it (symbolic
// links resolved); empty when the system does not say.
std::string ExecutableFolder();

}  // namespace platform
