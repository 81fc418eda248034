// The one entry point of every plug-in, and its one error boundary.
#include <mex.h>

#include "gateway.hpp"

#if defined(_WIN32)
#define HYX_ENTRY __declspec(dllexport)
#else
#define HYX_ENTRY __attribute__((visibility("default")))
#endif

extern "C" HYX_ENTRY void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
    // Run() has let go of every C++ object of the call when it returns; only
    // then may MATLAB's error call, which does not return, end the call.
    hyx::ErrorText error;
    if (!hyx::Run(hyx::gateway, hyx::Call{nlhs, plhs, nrhs, prhs}, error)) mexErrMsgTxt(error.text);
}
