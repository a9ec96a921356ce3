#include "AppInfoService.h"

namespace pellucors {

std::string VersionText(const AppInfoService& info) {
    return "Version " + std::to_string(info.MajorVersion()) + "." +
           std::to_string(info.MinorVersion()) + "." + std::to_string(info.Revision());
}

} // namespace pellucors
