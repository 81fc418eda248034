// mxArray creation, inspection and destruction.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "host_state.hpp"

namespace mexhost {
namespace detail {

void free_array(mxArray* a);

namespace {

bool is_numeric(mxClassID cls) { return cls >= mxDOUBLE_CLASS && cls <= mxUINT64_CLASS; }

std::size_t element_size(mxClassID cls) {
    switch (cls) {
        case mxDOUBLE_CLASS: case mxINT64_CLASS: case mxUINT64_CLASS: return 8;
        case mxSINGLE_CLASS: case mxINT32_CLASS: case mxUINT32_CLASS: return 4;
        case mxINT16_CLASS: case mxUINT16_CLASS: case mxCHAR_CLASS: return 2;
        case mxINT8_CLASS: case mxUINT8_CLASS: case mxLOGICAL_CLASS: return 1;
        default: return 0;
    }
}

// Reports a null or foreign array argument; such an array is never touched.
bool usable(const mxArray* a, const char* fn) {
    if (!a) {
        report_misuse(std::string(fn) + ": null array");
        return false;
    }
    if (host_state().live.count(a) == 0) {
        report_misuse(std::string(fn) + ": not a live array (destroyed already, or not an mxArray)");
        return false;
    }
    return true;
}

// At least two dimensions (missing ones are 1), trailing singletons beyond
// the second dropped, as MATLAB stores them.
bool normalized_dims(mwSize ndim, const mwSize* dims, const char* fn, std::vector<mwSize>& out) {
    if (ndim > 0 && !dims) {
        report_misuse(std::string(fn) + ": null dimensions");
        return false;
    }
    out.assign(dims, dims + ndim);
    while (out.size() < 2) out.push_back(1);
    while (out.size() > 2 && out.back() == 1) out.pop_back();
    return true;
}

bool element_count(const std::vector<mwSize>& dims, std::size_t& n) {
    n = 1;
    for (mwSize d : dims) {
        if (d != 0 && n > std::numeric_limits<std::size_t>::max() / d) return false;
        n *= d;
    }
    return true;
}

std::size_t element_count(const mxArray* a) {
    std::size_t n = 1;
    for (mwSize d : a->dims) n *= d;
    return n;
}

// Zero-filled and sized exactly, so that AddressSanitizer sees any read past
// the end; an empty block is still a unique pointer.
void* zeroed(std::size_t n, std::size_t size) {
    void* p = std::calloc(n, size);
    if (!p && (n == 0 || size == 0)) p = std::malloc(0);
    if (!p && (n == 0 || size == 0)) p = std::malloc(1);
    return p;
}

void track(mxArray* a) {
    HostState& s = host_state();
    s.live.insert(a);
    if (s.active) s.temporaries.insert(a);
}

void discard(mxArray* a) {
    std::free(a->real);
    std::free(a->imag);
    std::free(a->ir);
    std::free(a->jc);
    std::free(a->cells);
    delete a;
}

// An array with dims and, for classes that hold values, zeroed storage.
mxArray* create(mxClassID cls, std::vector<mwSize> dims, bool complex) {
    std::size_t n = 0;
    if (!element_count(dims, n)) return nullptr;
    mxArray* a = new mxArray;
    a->cls = cls;
    a->complex = complex;
    a->dims = std::move(dims);
    bool ok = true;
    if (cls == mxCELL_CLASS) {
        a->cells = static_cast<mxArray**>(zeroed(n, sizeof(mxArray*)));
        ok = a->cells != nullptr;
    } else if (const std::size_t size = element_size(cls)) {
        a->real = zeroed(n, size);
        ok = a->real != nullptr;
        if (ok && complex) {
            a->imag = zeroed(n, size);
            ok = a->imag != nullptr;
        }
    }
    if (!ok) {
        discard(a);
        return nullptr;
    }
    track(a);
    return a;
}

mxArray* create(mxClassID cls, mwSize ndim, const mwSize* dims, const char* fn) {
    std::vector<mwSize> d;
    if (!normalized_dims(ndim, dims, fn, d)) return nullptr;
    return create(cls, std::move(d), false);
}

mxArray* root_of(mxArray* a) {
    while (a->parent) a = a->parent;
    return a;
}

bool in_plhs(const mxArray* a) {
    const HostState& s = host_state();
    for (std::size_t i = 0; i < s.nplhs; ++i)
        if (s.plhs[i] == a) return true;
    return false;
}

void detach(mxArray* a) {
    mxArray* cell = a->parent;
    const std::size_t n = element_count(cell);
    for (std::size_t i = 0; i < n; ++i)
        if (cell->cells[i] == a) cell->cells[i] = nullptr;
    a->parent = nullptr;
}

}  // namespace

void free_array(mxArray* a) {
    if (a->cells) {
        const std::size_t n = element_count(a);
        for (std::size_t i = 0; i < n; ++i)
            if (mxArray* e = a->cells[i]) free_array(e);
    }
    host_state().live.erase(a);
    discard(a);
}

mxArray* create_function_handle() {
    return create(mxFUNCTION_CLASS, std::vector<mwSize>{1, 1}, false);
}

}  // namespace detail
}  // namespace mexhost

using namespace mexhost::detail;

mxClassID mxGetClassID(const mxArray* pa) {
    return usable(pa, "mxGetClassID") ? pa->cls : mxUNKNOWN_CLASS;
}

bool mxIsChar(const mxArray* pa) { return usable(pa, "mxIsChar") && pa->cls == mxCHAR_CLASS; }
bool mxIsCell(const mxArray* pa) { return usable(pa, "mxIsCell") && pa->cls == mxCELL_CLASS; }
bool mxIsSparse(const mxArray* pa) { return usable(pa, "mxIsSparse") && pa->sparse; }
bool mxIsComplex(const mxArray* pa) { return usable(pa, "mxIsComplex") && pa->complex; }

void* mxGetData(const mxArray* pa) { return usable(pa, "mxGetData") ? pa->real : nullptr; }
void* mxGetImagData(const mxArray* pa) { return usable(pa, "mxGetImagData") ? pa->imag : nullptr; }

size_t mxGetNumberOfElements(const mxArray* pa) {
    return usable(pa, "mxGetNumberOfElements") ? element_count(pa) : 0;
}

mwSize mxGetNumberOfDimensions(const mxArray* pa) {
    return usable(pa, "mxGetNumberOfDimensions") ? pa->dims.size() : 0;
}

const mwSize* mxGetDimensions(const mxArray* pa) {
    return usable(pa, "mxGetDimensions") ? pa->dims.data() : nullptr;
}

size_t mxGetM(const mxArray* pa) { return usable(pa, "mxGetM") ? pa->dims[0] : 0; }

size_t mxGetN(const mxArray* pa) {
    if (!usable(pa, "mxGetN")) return 0;
    std::size_t n = 1;
    for (std::size_t i = 1; i < pa->dims.size(); ++i) n *= pa->dims[i];
    return n;
}

mxArray* mxGetCell(const mxArray* pa, mwIndex i) {
    if (!usable(pa, "mxGetCell")) return nullptr;
    if (pa->cls != mxCELL_CLASS) {
        report_misuse("mxGetCell: not a cell array");
        return nullptr;
    }
    const std::size_t n = element_count(pa);
    if (i >= n) {
        report_misuse("mxGetCell: index " + std::to_string(i) + " out of range for " +
                      std::to_string(n) + " cells");
        return nullptr;
    }
    return pa->cells[i];
}

void mxSetCell(mxArray* pa, mwIndex i, mxArray* value) {
    if (!usable(pa, "mxSetCell")) return;
    if (pa->cls != mxCELL_CLASS) {
        report_misuse("mxSetCell: not a cell array");
        return;
    }
    const std::size_t n = element_count(pa);
    if (i >= n) {
        report_misuse("mxSetCell: index " + std::to_string(i) + " out of range for " +
                      std::to_string(n) + " cells");
        return;
    }
    if (value && !usable(value, "mxSetCell")) return;
    HostState& s = host_state();
    mxArray* root = root_of(pa);
    if (s.active && s.temporaries.count(root) == 0) {
        report_misuse("mxSetCell: the cell belongs to an input of the call");
        return;
    }
    if (value) {
        if (value->parent) {
            report_misuse("mxSetCell: the value is already held by a cell");
            return;
        }
        if (value == root) {
            report_misuse("mxSetCell: a cell cannot hold itself");
            return;
        }
        if (s.active && s.temporaries.count(value) == 0) {
            report_misuse("mxSetCell: the value was not created by this call");
            return;
        }
        if (s.active && in_plhs(value)) {
            report_misuse("mxSetCell: the value is also an output in plhs");
            return;
        }
    }
    // MATLAB does not free a displaced element. Within a call it becomes the
    // call's again, so the host still releases it if the plug-in does not.
    if (mxArray* old = pa->cells[i]) {
        old->parent = nullptr;
        if (s.active) s.temporaries.insert(old);
    }
    pa->cells[i] = value;
    if (value) {
        value->parent = pa;
        s.temporaries.erase(value);
    }
}

int mxGetString(const mxArray* pa, char* buf, mwSize buflen) {
    if (injected_failure(kGetString)) return 1;
    if (!usable(pa, "mxGetString")) return 1;
    if (pa->cls != mxCHAR_CLASS) return 1;
    if (buflen == 0) return 1;
    if (!buf) {
        report_misuse("mxGetString: null buffer");
        return 1;
    }
    const std::size_t n = element_count(pa);
    const std::size_t k = std::min<std::size_t>(n, buflen - 1);
    const mxChar* chars = static_cast<const mxChar*>(pa->real);
    for (std::size_t j = 0; j < k; ++j) buf[j] = static_cast<char>(chars[j] & 0xFFu);
    buf[k] = '\0';
    return k < n ? 1 : 0;
}

mxArray* mxCreateNumericArray(mwSize ndim, const mwSize* dims, mxClassID classid, mxComplexity flag) {
    if (injected_failure(kCreateNumericArray)) return nullptr;
    if (!is_numeric(classid)) {
        report_misuse("mxCreateNumericArray: class " + std::to_string(classid) + " is not numeric");
        return nullptr;
    }
    if (flag != mxREAL && flag != mxCOMPLEX) {
        report_misuse("mxCreateNumericArray: complexity flag is neither mxREAL nor mxCOMPLEX");
        return nullptr;
    }
    std::vector<mwSize> d;
    if (!normalized_dims(ndim, dims, "mxCreateNumericArray", d)) return nullptr;
    return create(classid, std::move(d), flag == mxCOMPLEX);
}

mxArray* mxCreateString(const char* str) {
    if (injected_failure(kCreateString)) return nullptr;
    if (!str) {
        report_misuse("mxCreateString: null string");
        return nullptr;
    }
    const std::size_t len = std::strlen(str);
    mxArray* a = create(mxCHAR_CLASS, std::vector<mwSize>{1, len}, false);
    if (!a) return nullptr;
    mxChar* chars = static_cast<mxChar*>(a->real);
    for (std::size_t i = 0; i < len; ++i) chars[i] = static_cast<unsigned char>(str[i]);
    return a;
}

mxArray* mxCreateCharArray(mwSize ndim, const mwSize* dims) {
    return create(mxCHAR_CLASS, ndim, dims, "mxCreateCharArray");
}

mxArray* mxCreateCellArray(mwSize ndim, const mwSize* dims) {
    return create(mxCELL_CLASS, ndim, dims, "mxCreateCellArray");
}

mxArray* mxCreateLogicalArray(mwSize ndim, const mwSize* dims) {
    return create(mxLOGICAL_CLASS, ndim, dims, "mxCreateLogicalArray");
}

mxArray* mxCreateSparse(mwSize m, mwSize n, mwSize nzmax, mxComplexity flag) {
    if (flag != mxREAL && flag != mxCOMPLEX) {
        report_misuse("mxCreateSparse: complexity flag is neither mxREAL nor mxCOMPLEX");
        return nullptr;
    }
    std::size_t count = 0;
    if (!element_count({m, n}, count) || n == std::numeric_limits<mwSize>::max()) return nullptr;
    // Storage for nzmax values only (MATLAB makes it at least 1), not m*n.
    const mwSize nz = std::max<mwSize>(nzmax, 1);
    mxArray* a = new mxArray;
    a->cls = mxDOUBLE_CLASS;
    a->sparse = true;
    a->complex = flag == mxCOMPLEX;
    a->dims = {m, n};
    a->nzmax = nz;
    a->real = zeroed(nz, sizeof(double));
    a->imag = a->complex ? zeroed(nz, sizeof(double)) : nullptr;
    a->ir = static_cast<mwIndex*>(zeroed(nz, sizeof(mwIndex)));
    a->jc = static_cast<mwIndex*>(zeroed(n + 1, sizeof(mwIndex)));
    if (!a->real || (a->complex && !a->imag) || !a->ir || !a->jc) {
        discard(a);
        return nullptr;
    }
    track(a);
    return a;
}

mxArray* mxCreateStructArray(mwSize ndim, const mwSize* dims, int nfields, const char** fieldnames) {
    if (nfields < 0 || (nfields > 0 && !fieldnames)) {
        report_misuse("mxCreateStructArray: bad field list");
        return nullptr;
    }
    // A stand-in: class and dimensions only, the fields are not kept.
    return create(mxSTRUCT_CLASS, ndim, dims, "mxCreateStructArray");
}

void mxDestroyArray(mxArray* pa) {
    if (!pa) return;
    if (!usable(pa, "mxDestroyArray")) return;
    HostState& s = host_state();
    if (s.active) {
        if (in_plhs(pa)) {
            report_misuse("mxDestroyArray: the array is an output in plhs");
            return;
        }
        if (s.temporaries.count(root_of(pa)) == 0) {
            report_misuse("mxDestroyArray: the array is, or belongs to, an input of the call");
            return;
        }
    }
    if (pa->parent)
        detach(pa);
    else
        s.temporaries.erase(pa);
    free_array(pa);
}
