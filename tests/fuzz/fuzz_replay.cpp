// Any bytes as a replay file: refused with a reason, or read and re-run
// within the step limit to a result or a refusal, never a crash.
#include <cstdint>
#include <cstdlib>

#include "engine/ReplayFile.h"
#include "engine/ReplayRerun.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReplayFileRead read = parseReplayFile(data, size);
    if (!read.ok()) {
        if (read.failure.empty() || !read.events.empty()) std::abort();
        return 0;
    }
    // What was read writes back to a file that reads the same.
    if (parseReplayFile(encodeReplayFile(read.events)).events != read.events) std::abort();
    const ReplayRerun rerun = rerunReplay(read.events);
    if (rerun.ok == !rerun.failure.empty()) std::abort();
    return 0;
}
