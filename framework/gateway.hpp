// The gateway description: what makes one plug-in differ from the next.
// Each plug-in defines hyx::gateway with one of the description builders of
// the drivers (elementwise.hpp, parameterless.hpp, property_set.hpp); the
// entry point runs it.
#pragma once

#include <array>
#include <cstddef>

#include <mex.h>

#include "numeric_cursors.hpp"
#include "zorhyx6.h"

namespace hyx {

enum class ElementType : unsigned char { Double, Long, Text };
enum class Result : unsigned char { Double, Int32, String };
enum class ErrorCheck : bool { Off, On };

// Whether the gateway asks the library for its last error after every call.
inline constexpr ErrorCheck kCheckErrors = ErrorCheck::On;
inline constexpr ErrorCheck kNoErrorCheck = ErrorCheck::Off;

struct Input {
    const char* name;  // printed in the class message
    ElementType type;
};

inline constexpr std::size_t kMaxInputs = 5;

// One call of mexFunction.
struct Call {
    int nlhs;
    mxArray** plhs;
    int nrhs;
    const mxArray** prhs;
};

class Arguments;
struct Gateway;

using Driver = void (*)(const Gateway&, const Call&);
// Calls the library function once, with the current element of every
// argument in input order (followed, for a property-set function, by the
// property addresses), and stores its return value at *result.
using Invoke = void (*)(const Arguments&, void* result, double* const* properties);

struct Gateway {
    const char* name;  // the MATLAB function, plug-in and library function
    std::array<Input, kMaxInputs> inputs;
    std::size_t input_count;
    Result result;
    ErrorCheck error_check;
    Driver driver;
    Invoke invoke;
};

// The description of the plug-in being built.
extern const Gateway gateway;

// What the drivers share.
void CheckInputCount(const Gateway& g, const Call& call);
// A new real numeric array of the result's class, or the output message.
mxArray* CreateOutput(const Gateway& g, mwSize dimension_count, const mwSize* dimensions);
std::size_t ResultSize(Result result);
// The library's error protocol: a non-zero last error code after a call
// ends the MATLAB call with the library's text.
void CheckLibraryError(const Gateway& g);

// The message that ends a failed call; it outlives every C++ object of the
// call, so nothing needs destroying once MATLAB's error call has it.
struct ErrorText {
    const char* text = nullptr;
    char own[1024];
};

// Runs g's driver. False, with error set, when the call must fail.
bool Run(const Gateway& g, const Call& call, ErrorText& error) noexcept;

}  // namespace hyx
