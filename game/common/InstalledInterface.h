#pragma once

namespace Pemberquill {

// The one implementation of an interface that a higher floor installs for a
// lower one to call: the installer keeps ownership and installs null before
// the implementation goes away; null while none is installed.
template <typename Interface>
class InstalledInterface {
public:
    static void Set(Interface* implementation) { Slot() = implementation; }
    static Interface* Get() { return Slot(); }

private:
    static Interface*& Slot()
    {
        static Interface* installed = nullptr;
        return installed;
    }
};

} // namespace Pemberquill
