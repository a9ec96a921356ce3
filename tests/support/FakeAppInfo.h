#pragma once

#include "platform/AppInfoService.h"

namespace pellucors::test {

class FakeAppInfo final : public AppInfoService {
public:
    std::string Title() const override { return title; }
    int MajorVersion() const override { return major; }
    int MinorVersion() const override { return minor; }
    int Revision() const override { return revision; }

    std::string title = "Pellucors";
    int major = 1;
    int minor = 0;
    int revision = 0;
};

} // namespace pellucors::test
