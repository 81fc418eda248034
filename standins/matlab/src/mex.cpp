// libmex: the error exit of a plug-in call.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include "host_state.hpp"
#include "mex.h"

using namespace mexhost::detail;

void mexErrMsgTxt(const char* message) {
    HostState& s = host_state();
    if (!s.active || !s.jump) {
        std::fprintf(stderr, "mexErrMsgTxt outside a plug-in call: %s\n", message ? message : "(null)");
        std::abort();
    }
    if (!message) {
        report_misuse("mexErrMsgTxt: null message");
        message = "";
    }
    // The text is copied into the host's state; nothing in this frame needs
    // destroying, so the jump skips no destructor of ours.
    s.message = message;
    std::longjmp(*s.jump, 1);
}
