// The element-wise gateway: one library call per element position of the
// output, the inputs paired element by element, a shorter input repeating
// its last element.
#pragma once

#include "describe.hpp"

namespace hyx {

void RunElementwise(const Gateway& g, const Call& call);

// The description of an element-wise plug-in for the library function F:
// one name per parameter, and whether to check the library's last error.
// Element types and result class follow from F's type.
template <auto F, std::size_t N>
constexpr Gateway Elementwise(const char* const (&names)[N], ErrorCheck check) {
    using B = detail::Bind<F>;
    static_assert(N == B::kArity, "one name per parameter of the library function");
    static_assert(N <= kMaxInputs, "too many parameters");
    static_assert(B::kResult != Result::String, "an element-wise result is numeric");
    return Gateway{Export<F>::kName, B::Inputs(names, std::make_index_sequence<N>{}), N, B::kResult,
                   check, &RunElementwise, &B::Elementwise};
}

}  // namespace hyx
