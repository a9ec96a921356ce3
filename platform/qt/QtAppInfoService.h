#pragma once

#include "platform/AppInfoService.h"

namespace pellucors {

// Reads the title and version that main() gave the QCoreApplication (from
// the build's project version).
class QtAppInfoService final : public AppInfoService {
public:
    std::string Title() const override;
    int MajorVersion() const override;
    int MinorVersion() const override;
    int Revision() const override;
};

} // namespace pellucors
