// The parameterless gateway: one library call, no inputs, a 1-by-1 result or
// a MATLAB string.
#pragma once

#include "describe.hpp"

namespace hyx {

void RunParameterless(const Gateway& g, const Call& call);

// The description of a plug-in for the library function F, which takes no
// arguments; the result's kind follows from its return type.
template <auto F>
constexpr Gateway Parameterless(ErrorCheck check) {
    using B = detail::Bind<F>;
    static_assert(B::kArity == 0, "the library function takes no arguments");
    return Gateway{Export<F>::kName, {}, 0, B::kResult, check, &RunParameterless, &B::Elementwise};
}

}  // namespace hyx
