// mxCalloc and mxFree. Blocks taken during a plug-in call belong to the call
// and are released when it ends, unless freed before.
#include <cstdlib>
#include <limits>

#include "host_state.hpp"

using namespace mexhost::detail;

void* mxCalloc(size_t n, size_t size) {
    if (injected_failure(kCalloc)) return nullptr;
    if (size != 0 && n > std::numeric_limits<std::size_t>::max() / size) return nullptr;
    const std::size_t bytes = n * size;
    // malloc(0) gives a unique block that AddressSanitizer guards entirely.
    void* p = bytes ? std::calloc(bytes, 1) : std::malloc(0);
    if (!p && bytes == 0) p = std::calloc(1, 1);
    if (!p) return nullptr;
    HostState& s = host_state();
    s.blocks[p] = s.active;
    return p;
}

void mxFree(void* ptr) {
    if (!ptr) return;
    HostState& s = host_state();
    auto it = s.blocks.find(ptr);
    if (it == s.blocks.end()) {
        report_misuse("mxFree: not a block from mxCalloc (freed already, or array data)");
        return;
    }
    s.blocks.erase(it);
    std::free(ptr);
}
