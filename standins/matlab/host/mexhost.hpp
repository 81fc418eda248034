// The test side of our MEX host: building input arrays, loading a plug-in
// the way MATLAB does, calling it, and making the host's allocators fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "matrix.h"

namespace mexhost {

struct Destroy {
    void operator()(mxArray* a) const { mxDestroyArray(a); }
};
// An array the test owns.
using Array = std::unique_ptr<mxArray, Destroy>;
using Dims = std::vector<mwSize>;

// Real numeric array of any class; each value is converted with static_cast.
Array numeric(mxClassID cls, const Dims& dims, const std::vector<double>& values);
// Exact 64-bit contents, for values a double cannot hold.
Array int64s(const Dims& dims, const std::vector<std::int64_t>& values);
Array uint64s(const Dims& dims, const std::vector<std::uint64_t>& values);
// 1-by-1 double.
Array scalar(double value);
// 1-by-n double row.
Array row(const std::vector<double>& values);
// Complex double array.
Array complex_doubles(const Dims& dims, const std::vector<double>& real, const std::vector<double>& imag);
// Char array; chars holds the characters in column-major order.
Array chars(const Dims& dims, const std::string& chars);
// 1-by-n char array.
Array text(const std::string& s);
// Char matrix whose rows are given; rows must have equal length.
Array char_rows(const std::vector<std::string>& rows);
// Cell array; each element goes into the cell of the same linear index and
// a null element leaves that cell unassigned, as do cells past the elements.
Array cells(const Dims& dims, std::vector<Array> elements);
Array logicals(const Dims& dims);
Array sparse(mwSize m, mwSize n);
Array structure();
Array function_handle();

// The calls of the host that a test can make fail.
enum class Api { Calloc, CreateNumericArray, CreateString, GetString };
// In the next plug-in call only, the k-th (1-based) call of api fails:
// returns null (mxGetString returns 1). Several may be armed at once.
void fail_nth(Api api, int k);
// How often api was called during the last plug-in call.
int calls_in_last_call(Api api);

// Arrays and mxCalloc blocks alive right now, whoever owns them: after a
// call they must be back to what the test itself holds.
std::size_t live_arrays();
std::size_t live_blocks();

struct Outcome {
    bool failed = false;          // the call ended in mexErrMsgTxt
    std::string message;          // its text
    std::vector<Array> outputs;   // plhs as the plug-in left it (null where unset);
                                  // empty when the call failed
    std::string misuse;           // API misuse the host caught, one per line; empty when fine
};

// Runs body as the inside of a plug-in call, for testing code that a
// plug-in runs: what body takes from mxCalloc and the arrays it creates are
// released when it ends, and armed failures apply. body must not call
// mexErrMsgTxt; an exception it throws is passed on after the release.
// Returns what body reported as misuse.
std::string as_call(const std::function<void()>& body);

// A plug-in loaded like MATLAB loads one: dlopen, then mexFunction.
class Plugin {
public:
    explicit Plugin(const std::string& path);
    ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // plhs gets max(nlhs, 1) slots, as MATLAB gives. At the end of the call,
    // normal or failed, the host releases the call's mxCalloc memory and the
    // arrays it created and did not return (all of them on failure).
    Outcome call(int nlhs, const std::vector<const mxArray*>& inputs);

private:
    void* handle_ = nullptr;
    using Entry = void (*)(int, mxArray**, int, const mxArray**);
    Entry entry_ = nullptr;
};

// Convenience: element k of a real numeric array as double / as int32.
double element(const mxArray* a, std::size_t k);
std::vector<mwSize> dims_of(const mxArray* a);

}  // namespace mexhost
