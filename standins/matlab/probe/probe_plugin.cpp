// A plug-in for testing the host itself. Input 1 is a command naming what to
// do; some commands read further inputs.
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "mex.h"

namespace {

// Reads through mxGetData, not mxGetString, so that the host's call
// counters see only the calls a command makes on purpose. A plain buffer,
// because mexErrMsgTxt skips destructors in this frame.
void read_command(const mxArray* a, char* out, std::size_t size) {
    std::size_t n = 0;
    if (a && mxIsChar(a)) {
        const mxChar* c = static_cast<const mxChar*>(mxGetData(a));
        for (; n < mxGetNumberOfElements(a) && n + 1 < size; ++n) out[n] = static_cast<char>(c[n]);
    }
    out[n] = '\0';
}

mxArray* scalar(double v) {
    const mwSize dims[2] = {1, 1};
    mxArray* a = mxCreateNumericArray(2, dims, mxDOUBLE_CLASS, mxREAL);
    if (a) *static_cast<double*>(mxGetData(a)) = v;
    return a;
}

mxArray* cell_row(mwSize n) {
    const mwSize dims[2] = {1, n};
    return mxCreateCellArray(2, dims);
}

// Arrays of several kinds, some nested, and blocks: what a careless plug-in
// leaves behind.
void litter() {
    const mwSize dims[3] = {2, 3, 4};
    mxCreateNumericArray(3, dims, mxINT32_CLASS, mxCOMPLEX);
    mxCreateString("left behind");
    mxCreateSparse(5, 5, 3, mxREAL);
    mxCreateLogicalArray(2, dims);
    mxCreateCharArray(2, dims);
    mxCreateStructArray(2, dims, 0, nullptr);
    mxArray* c = cell_row(2);
    mxSetCell(c, 0, scalar(1));
    mxArray* inner = cell_row(1);
    mxSetCell(inner, 0, mxCreateString("nested"));
    mxSetCell(c, 1, inner);
    mxCalloc(10, sizeof(double));
    mxCalloc(0, 1);
    mxCalloc(3, 7);
}

}  // namespace

extern "C" __attribute__((visibility("default")))
void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
    char command[64];
    read_command(nrhs > 0 ? prhs[0] : nullptr, command, sizeof command);
    const auto is = [&](const char* name) { return std::strcmp(command, name) == 0; };
    const int slots = nlhs > 0 ? nlhs : 1;

    if (is("nargs")) {
        const mwSize dims[2] = {1, 2};
        plhs[0] = mxCreateNumericArray(2, dims, mxDOUBLE_CLASS, mxREAL);
        double* d = static_cast<double*>(mxGetData(plhs[0]));
        d[0] = nlhs;
        d[1] = nrhs;
    } else if (is("return-all")) {
        for (int i = 0; i < slots; ++i) plhs[i] = scalar(i + 1);
    } else if (is("leave-litter")) {
        litter();
    } else if (is("litter-and-fail")) {
        litter();
        plhs[0] = scalar(1);
        mexErrMsgTxt("probe: failing on purpose");
    } else if (is("clean-up")) {
        mxDestroyArray(scalar(1));
        mxFree(mxCalloc(4, 4));
        mxArray* c = cell_row(2);
        mxSetCell(c, 0, scalar(2));
        // The documented way to replace an element: destroy it, then set.
        mxDestroyArray(mxGetCell(c, 0));
        mxSetCell(c, 0, scalar(3));
        mxDestroyArray(c);
        plhs[0] = scalar(1);
    } else if (is("calloc-zero")) {
        void* p = mxCalloc(0, 8);
        void* q = mxCalloc(0, 8);
        plhs[0] = scalar(p && q && p != q ? 1 : 0);
        mxFree(p);
    } else if (is("call-each")) {
        // Calls each API of mexhost::Api in turn, n times; output row k, column i
        // says whether call i of API k failed.
        const mwSize n = static_cast<mwSize>(*static_cast<const double*>(mxGetData(prhs[1])));
        const mwSize dims[2] = {4, n};
        mxArray* failed = mxCreateLogicalArray(2, dims);
        std::uint8_t* f = static_cast<std::uint8_t*>(mxGetData(failed));
        const mwSize one[2] = {1, 1};
        char buf[64];
        for (mwSize i = 0; i < n; ++i) {
            void* block = mxCalloc(1, 8);
            f[4 * i + 0] = block == nullptr;
            mxFree(block);
            mxArray* a = mxCreateNumericArray(2, one, mxDOUBLE_CLASS, mxREAL);
            f[4 * i + 1] = a == nullptr;
            mxDestroyArray(a);
            mxArray* s = mxCreateString("x");
            f[4 * i + 2] = s == nullptr;
            mxDestroyArray(s);
            f[4 * i + 3] = mxGetString(prhs[0], buf, sizeof buf) != 0;
        }
        plhs[0] = failed;
    } else if (is("return-cell")) {
        mxArray* c = cell_row(3);
        mxSetCell(c, 0, scalar(7));
        mxSetCell(c, 0, scalar(8));  // displaces 7 without destroying it
        mxSetCell(c, 2, mxCreateString("abc"));
        plhs[0] = c;
    } else if (is("throw")) {
        throw std::runtime_error("probe threw");
    }
    // Misuse: each is survivable, and the host must say what went wrong.
    else if (is("free-array-data")) {
        mxFree(mxGetData(scalar(1)));
    } else if (is("free-twice")) {
        void* p = mxCalloc(1, 1);
        mxFree(p);
        mxFree(p);
    } else if (is("destroy-twice")) {
        mxArray* a = scalar(1);
        mxDestroyArray(a);
        mxDestroyArray(a);
    } else if (is("destroy-input")) {
        mxDestroyArray(const_cast<mxArray*>(prhs[0]));
    } else if (is("destroy-output")) {
        plhs[0] = scalar(5);
        mxDestroyArray(plhs[0]);
    } else if (is("cell-index-out-of-range")) {
        plhs[0] = scalar(mxGetCell(cell_row(2), 2) == nullptr);
    } else if (is("string-from-null")) {
        plhs[0] = scalar(mxCreateString(nullptr) == nullptr);
    } else if (is("data-of-null")) {
        plhs[0] = scalar(mxGetData(nullptr) == nullptr);
    } else if (is("return-input")) {
        plhs[0] = const_cast<mxArray*>(prhs[0]);
    } else if (is("return-twice")) {
        if (slots >= 2) plhs[0] = plhs[1] = scalar(1);
    } else if (is("set-cell-of-input")) {
        mxSetCell(const_cast<mxArray*>(prhs[1]), 0, scalar(1));
    } else if (is("set-in-two-cells")) {
        mxArray* a = scalar(1);
        mxSetCell(cell_row(1), 0, a);
        mxSetCell(cell_row(1), 0, a);
    } else {
        mexErrMsgTxt("probe: unknown command");
    }
}
