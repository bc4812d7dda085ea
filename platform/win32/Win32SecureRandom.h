#pragma once
// The system's cryptographic random source (RtlGenRandom, exported by
// advapi32 as SystemFunction036).
#include <windows.h>
#include <ntsecapi.h>

#include "platform/SecureRandom.h"

namespace tintfall {

class Win32SecureRandom : public SecureRandom {
public:
    bool fill(std::uint8_t* bytes, std::size_t count) override {
        return count <= 0xFFFFFFFFu && RtlGenRandom(bytes, static_cast<ULONG>(count));
    }
};

}  // namespace tintfall
