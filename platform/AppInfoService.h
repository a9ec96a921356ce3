#pragma once

#include <string>

namespace pellucors {

// The application's own properties, fixed when the program is built.
class AppInfoService {
public:
    virtual ~AppInfoService() = default;
    virtual std::string Title() const = 0;
    virtual int MajorVersion() const = 0;
    virtual int MinorVersion() const = 0;
    virtual int Revision() const = 0;
};

// "Version 1.0.0"
std::string VersionText(const AppInfoService& info);

} // namespace pellucors
