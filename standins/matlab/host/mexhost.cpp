// The test side of the host: input constructors, plug-in loading and calls,
// fault injection.
#include "mexhost.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>
#include <stdexcept>

#include "host_state.hpp"

namespace mexhost {

static_assert(static_cast<int>(Api::Calloc) == detail::kCalloc &&
                  static_cast<int>(Api::CreateNumericArray) == detail::kCreateNumericArray &&
                  static_cast<int>(Api::CreateString) == detail::kCreateString &&
                  static_cast<int>(Api::GetString) == detail::kGetString,
              "Api and the host's counters must agree");

namespace {

Array owned(mxArray* a) {
    if (!a) throw std::bad_alloc();
    return Array(a);
}

void expect_count(const mxArray* a, std::size_t n, const char* what) {
    if (mxGetNumberOfElements(a) != n)
        throw std::invalid_argument(std::string(what) + ": " + std::to_string(n) +
                                    " values for " + std::to_string(mxGetNumberOfElements(a)) +
                                    " elements");
}

Array zeros(mxClassID cls, const Dims& dims, mxComplexity flag = mxREAL) {
    return owned(mxCreateNumericArray(dims.size(), dims.data(), cls, flag));
}

template <typename T>
void store(void* data, const std::vector<double>& values) {
    T* out = static_cast<T*>(data);
    for (std::size_t i = 0; i < values.size(); ++i) out[i] = static_cast<T>(values[i]);
}

template <typename T>
double load(const void* data, std::size_t k) {
    return static_cast<double>(static_cast<const T*>(data)[k]);
}

using EntryFn = void (*)(int, mxArray**, int, const mxArray**);

// mexErrMsgTxt jumps back here. Nothing in this frame has a destructor and
// nothing is changed between setjmp and the jump, so no local needs volatile.
bool run_guarded(EntryFn entry, int nlhs, mxArray** plhs, int nrhs, const mxArray** prhs) {
    std::jmp_buf env;
    detail::host_state().jump = &env;
    if (setjmp(env) != 0) return false;
    entry(nlhs, plhs, nrhs, prhs);
    return true;
}

}  // namespace

Array numeric(mxClassID cls, const Dims& dims, const std::vector<double>& values) {
    if (cls < mxDOUBLE_CLASS || cls > mxUINT64_CLASS)
        throw std::invalid_argument("numeric: class " + std::to_string(cls) + " is not numeric");
    Array a = zeros(cls, dims);
    expect_count(a.get(), values.size(), "numeric");
    void* data = mxGetData(a.get());
    switch (cls) {
        case mxDOUBLE_CLASS: store<double>(data, values); break;
        case mxSINGLE_CLASS: store<float>(data, values); break;
        case mxINT8_CLASS: store<std::int8_t>(data, values); break;
        case mxUINT8_CLASS: store<std::uint8_t>(data, values); break;
        case mxINT16_CLASS: store<std::int16_t>(data, values); break;
        case mxUINT16_CLASS: store<std::uint16_t>(data, values); break;
        case mxINT32_CLASS: store<std::int32_t>(data, values); break;
        case mxUINT32_CLASS: store<std::uint32_t>(data, values); break;
        case mxINT64_CLASS: store<std::int64_t>(data, values); break;
        case mxUINT64_CLASS: store<std::uint64_t>(data, values); break;
        default: break;
    }
    return a;
}

Array int64s(const Dims& dims, const std::vector<std::int64_t>& values) {
    Array a = zeros(mxINT64_CLASS, dims);
    expect_count(a.get(), values.size(), "int64s");
    if (!values.empty()) std::memcpy(mxGetData(a.get()), values.data(), values.size() * sizeof(values[0]));
    return a;
}

Array uint64s(const Dims& dims, const std::vector<std::uint64_t>& values) {
    Array a = zeros(mxUINT64_CLASS, dims);
    expect_count(a.get(), values.size(), "uint64s");
    if (!values.empty()) std::memcpy(mxGetData(a.get()), values.data(), values.size() * sizeof(values[0]));
    return a;
}

Array scalar(double value) { return numeric(mxDOUBLE_CLASS, {1, 1}, {value}); }

Array row(const std::vector<double>& values) { return numeric(mxDOUBLE_CLASS, {1, values.size()}, values); }

Array complex_doubles(const Dims& dims, const std::vector<double>& real, const std::vector<double>& imag) {
    Array a = zeros(mxDOUBLE_CLASS, dims, mxCOMPLEX);
    expect_count(a.get(), real.size(), "complex_doubles (real)");
    expect_count(a.get(), imag.size(), "complex_doubles (imag)");
    store<double>(mxGetData(a.get()), real);
    store<double>(mxGetImagData(a.get()), imag);
    return a;
}

Array chars(const Dims& dims, const std::string& chars) {
    Array a = owned(mxCreateCharArray(dims.size(), dims.data()));
    expect_count(a.get(), chars.size(), "chars");
    mxChar* out = static_cast<mxChar*>(mxGetData(a.get()));
    for (std::size_t i = 0; i < chars.size(); ++i) out[i] = static_cast<unsigned char>(chars[i]);
    return a;
}

Array text(const std::string& s) { return chars({1, s.size()}, s); }

Array char_rows(const std::vector<std::string>& rows) {
    const std::size_t m = rows.size();
    const std::size_t n = m ? rows[0].size() : 0;
    std::string column_major(m * n, '\0');
    for (std::size_t i = 0; i < m; ++i) {
        if (rows[i].size() != n) throw std::invalid_argument("char_rows: rows differ in length");
        for (std::size_t j = 0; j < n; ++j) column_major[i + j * m] = rows[i][j];
    }
    return chars({m, n}, column_major);
}

Array cells(const Dims& dims, std::vector<Array> elements) {
    Array a = owned(mxCreateCellArray(dims.size(), dims.data()));
    if (elements.size() > mxGetNumberOfElements(a.get()))
        throw std::invalid_argument("cells: more elements than cells");
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i]) mxSetCell(a.get(), i, elements[i].release());
    return a;
}

Array logicals(const Dims& dims) { return owned(mxCreateLogicalArray(dims.size(), dims.data())); }

Array sparse(mwSize m, mwSize n) { return owned(mxCreateSparse(m, n, 0, mxREAL)); }

Array structure() {
    const mwSize dims[2] = {1, 1};
    return owned(mxCreateStructArray(2, dims, 0, nullptr));
}

Array function_handle() { return owned(detail::create_function_handle()); }

void fail_nth(Api api, int k) {
    if (k < 1) throw std::invalid_argument("fail_nth: k counts from 1");
    detail::host_state().pending[static_cast<int>(api)].push_back(k);
}

int calls_in_last_call(Api api) { return detail::host_state().calls[static_cast<int>(api)]; }

std::size_t live_arrays() { return detail::host_state().live.size(); }
std::size_t live_blocks() { return detail::host_state().blocks.size(); }

std::string as_call(const std::function<void()>& body) {
    detail::HostState& s = detail::host_state();
    if (s.active) throw std::logic_error("as_call: another call is in progress");
    detail::begin_call(nullptr, 0);
    try {
        body();
    } catch (...) {
        detail::end_call(true);
        throw;
    }
    detail::end_call(false);
    return s.misuse;
}

Plugin::Plugin(const std::string& path) {
    dlerror();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* e = dlerror();
        throw std::runtime_error("cannot load " + path + ": " + (e ? e : "unknown error"));
    }
    dlerror();
    void* sym = dlsym(handle_, "mexFunction");
    if (!sym) {
        const char* e = dlerror();
        std::string why = "no mexFunction in " + path + ": " + (e ? e : "null symbol");
        dlclose(handle_);
        throw std::runtime_error(why);
    }
    entry_ = reinterpret_cast<Entry>(sym);
}

// Under AddressSanitizer the module stays mapped so that a leak report made
// at exit can still name the plug-in's functions.
#if defined(__SANITIZE_ADDRESS__)
#define MEXHOST_KEEP_MODULES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MEXHOST_KEEP_MODULES 1
#endif
#endif

Plugin::~Plugin() {
#ifndef MEXHOST_KEEP_MODULES
    dlclose(handle_);
#endif
}

Outcome Plugin::call(int nlhs, const std::vector<const mxArray*>& inputs) {
    detail::HostState& s = detail::host_state();
    if (s.active) throw std::logic_error("Plugin::call: another call is in progress");
    if (nlhs < 0) throw std::invalid_argument("Plugin::call: nlhs < 0");
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (!inputs[i] || s.live.count(inputs[i]) == 0)
            throw std::invalid_argument("Plugin::call: input " + std::to_string(i) + " is not a live array");

    // Exactly the slots MATLAB gives, on the heap, so that a plug-in reaching
    // past them is caught.
    const std::size_t slots = static_cast<std::size_t>(std::max(nlhs, 1));
    std::unique_ptr<mxArray*[]> plhs(new mxArray*[slots]());
    std::unique_ptr<const mxArray*[]> prhs(new const mxArray*[inputs.size()]);
    std::copy(inputs.begin(), inputs.end(), prhs.get());

    Outcome out;
    out.outputs.reserve(slots);
    std::string escaped;
    detail::begin_call(plhs.get(), slots);
    try {
        out.failed = !run_guarded(entry_, nlhs, plhs.get(), static_cast<int>(inputs.size()), prhs.get());
    } catch (const std::exception& e) {
        escaped = e.what();
    } catch (...) {
        escaped = "an exception of unknown type";
    }
    if (!escaped.empty()) {
        // MATLAB turns this into an error of the call, as do we.
        out.failed = true;
        s.message = "C++ exception escaped mexFunction: " + escaped;
        detail::report_misuse(s.message);
    }
    for (mxArray* a : detail::end_call(out.failed)) out.outputs.emplace_back(a);
    if (out.failed) out.message = s.message;
    out.misuse = s.misuse;
    return out;
}

double element(const mxArray* a, std::size_t k) {
    if (!a) throw std::invalid_argument("element: null array");
    // A sparse array stores only its nonzeros; reading it as dense would run
    // past its data.
    if (mxIsSparse(a)) throw std::invalid_argument("element: sparse array");
    if (k >= mxGetNumberOfElements(a)) throw std::out_of_range("element: index out of range");
    const void* data = mxGetData(a);
    switch (mxGetClassID(a)) {
        case mxDOUBLE_CLASS: return load<double>(data, k);
        case mxSINGLE_CLASS: return load<float>(data, k);
        case mxINT8_CLASS: return load<std::int8_t>(data, k);
        case mxUINT8_CLASS: return load<std::uint8_t>(data, k);
        case mxINT16_CLASS: return load<std::int16_t>(data, k);
        case mxUINT16_CLASS: return load<std::uint16_t>(data, k);
        case mxINT32_CLASS: return load<std::int32_t>(data, k);
        case mxUINT32_CLASS: return load<std::uint32_t>(data, k);
        case mxINT64_CLASS: return load<std::int64_t>(data, k);
        case mxUINT64_CLASS: return load<std::uint64_t>(data, k);
        case mxLOGICAL_CLASS: return load<std::uint8_t>(data, k) != 0 ? 1.0 : 0.0;
        case mxCHAR_CLASS: return load<mxChar>(data, k);
        default: throw std::invalid_argument("element: array holds no numbers");
    }
}

std::vector<mwSize> dims_of(const mxArray* a) {
    if (!a) throw std::invalid_argument("dims_of: null array");
    const mwSize* d = mxGetDimensions(a);
    return std::vector<mwSize>(d, d + mxGetNumberOfDimensions(a));
}

}  // namespace mexhost
