// The state shared by libmx, libmex and the test side, and the start and end
// of a plug-in call.
#include "host_state.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace mexhost {
namespace detail {

void free_array(mxArray* a);  // arrays.cpp

HostState& host_state() {
    // Never destroyed: test-owned arrays may be released by static
    // destructors after this library's own would have run.
    static HostState* state = new HostState;
    return *state;
}

void report_misuse(const std::string& what) {
    HostState& s = host_state();
    if (!s.active) {
        std::fprintf(stderr, "mexhost: misuse outside a plug-in call: %s\n", what.c_str());
        return;
    }
    if (!s.misuse.empty()) s.misuse += '\n';
    s.misuse += what;
}

bool injected_failure(ApiIndex api) {
    HostState& s = host_state();
    if (!s.active) return false;
    const int n = ++s.calls[api];
    const std::vector<int>& armed = s.armed[api];
    return std::find(armed.begin(), armed.end(), n) != armed.end();
}

void begin_call(mxArray** plhs, std::size_t nplhs) {
    HostState& s = host_state();
    s.active = true;
    s.jump = nullptr;
    s.message.clear();
    s.misuse.clear();
    s.plhs = plhs;
    s.nplhs = nplhs;
    s.temporaries.clear();
    for (int api = 0; api < kApiCount; ++api) {
        s.armed[api] = std::move(s.pending[api]);
        s.pending[api].clear();
        s.calls[api] = 0;
    }
}

std::vector<mxArray*> end_call(bool failed) {
    HostState& s = host_state();
    std::vector<mxArray*> outputs;
    if (!failed) {
        outputs.assign(s.nplhs, nullptr);
        for (std::size_t i = 0; i < s.nplhs; ++i) {
            mxArray* p = s.plhs[i];
            if (!p) continue;
            const std::string slot = "plhs[" + std::to_string(i) + "]";
            if (s.live.count(p) == 0) {
                report_misuse(slot + " does not hold a live array (destroyed, or never created)");
            } else if (s.temporaries.erase(p) != 0) {
                outputs[i] = p;
            } else if (p->parent) {
                report_misuse(slot + " holds an element of a cell");
            } else {
                report_misuse(slot + " holds an array this call did not create, or one already in another slot");
            }
        }
    }

    std::unordered_set<mxArray*> temporaries;
    temporaries.swap(s.temporaries);
    for (mxArray* a : temporaries) free_array(a);

    for (auto it = s.blocks.begin(); it != s.blocks.end();) {
        if (it->second) {
            std::free(it->first);
            it = s.blocks.erase(it);
        } else {
            ++it;
        }
    }

    s.active = false;
    s.jump = nullptr;
    s.plhs = nullptr;
    s.nplhs = 0;
    for (auto& armed : s.armed) armed.clear();
    return outputs;
}

}  // namespace detail
}  // namespace mexhost
