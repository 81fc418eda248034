#include "parameterless.hpp"

#include "failure.hpp"
#include "messages.hpp"

namespace hyx {

void RunParameterless(const Gateway& g, const Call& call) {
    CheckInputCount(g, call);
    if (call.nlhs != 0 && call.nlhs != 1) throw Failure(msg::OutputCount(g.name, "0 or 1", false));

    const Arguments none(g, call.prhs);
    if (g.result == Result::String) {
        Text text = nullptr;
        g.invoke(none, &text, nullptr);
        // No text at all reads as the empty string.
        mxArray* output = mxCreateString(text ? text : "");
        if (!output) throw Failure(msg::OutputMatrix(g.name, "string"));
        call.plhs[0] = output;
        return;
    }

    const mwSize dimensions[] = {1, 1};
    mxArray* output = CreateOutput(g, 2, dimensions);
    call.plhs[0] = output;
    g.invoke(none, mxGetData(output), nullptr);
    if (g.error_check == kCheckErrors) CheckLibraryError(g);
}

}  // namespace hyx
