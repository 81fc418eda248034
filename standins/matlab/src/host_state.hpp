// Internal to the host: the array representation and the state of the
// plug-in call in progress. libmx owns the one instance; libmex and the
// test-side library reach it through host_state(), so all three see the same
// bookkeeping however they were linked.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "matrix.h"

struct mxArray_tag {
    mxClassID cls = mxUNKNOWN_CLASS;
    bool complex = false;
    bool sparse = false;
    std::vector<mwSize> dims;
    // Numeric, logical and char data; for sparse arrays nzmax values.
    void* real = nullptr;
    void* imag = nullptr;
    // Sparse index vectors, kept so the layout is complete.
    mwIndex* ir = nullptr;
    mwIndex* jc = nullptr;
    mwSize nzmax = 0;
    // Cell elements; a cell owns what it holds.
    mxArray** cells = nullptr;
    // The cell holding this array, if any.
    mxArray* parent = nullptr;
};

namespace mexhost {
namespace detail {

// Same order as mexhost::Api.
enum ApiIndex { kCalloc, kCreateNumericArray, kCreateString, kGetString, kApiCount };

struct HostState {
    // Every array and every mxCalloc block alive, so that a stale or foreign
    // pointer is reported instead of freed.
    std::unordered_set<const mxArray*> live;
    std::unordered_map<void*, bool> blocks;  // block -> owned by the current call

    // The call in progress.
    bool active = false;
    std::jmp_buf* jump = nullptr;
    std::string message;
    std::string misuse;
    mxArray** plhs = nullptr;
    std::size_t nplhs = 0;
    // Arrays the call created and has not destroyed or put into a cell.
    std::unordered_set<mxArray*> temporaries;

    // Fault injection: armed for the next call, then active during it.
    std::vector<int> pending[kApiCount];
    std::vector<int> armed[kApiCount];
    int calls[kApiCount] = {};
};

MEXHOST_API HostState& host_state();

// Records a plug-in's misuse of the API with the call's outcome (or prints
// it when no call is in progress).
MEXHOST_API void report_misuse(const std::string& what);

// Counts a call of api and says whether fault injection makes it fail.
bool injected_failure(ApiIndex api);

// Starts a call: plhs is watched, arms become active, counters restart.
MEXHOST_API void begin_call(mxArray** plhs, std::size_t nplhs);
// Ends it: releases the call's temporaries and mxCalloc blocks and returns
// the outputs the caller now owns (none when the call failed).
MEXHOST_API std::vector<mxArray*> end_call(bool failed);

MEXHOST_API mxArray* create_function_handle();

}  // namespace detail
}  // namespace mexhost
