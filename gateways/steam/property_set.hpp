// The property-set gateway: the element-wise gateway for the functions that
// return a function value and fourteen properties per element, as fifteen
// MATLAB arrays of one shape.
#pragma once

#include "describe.hpp"

namespace hyx {

inline constexpr std::size_t kPropertyCount = 14;

void RunPropertySet(const Gateway& g, const Call& call);

// The description for the library function F: names for its inputs, which
// precede the fourteen property addresses.
template <auto F, std::size_t N>
constexpr Gateway PropertySet(const char* const (&names)[N]) {
    using B = detail::Bind<F>;
    static_assert(N + kPropertyCount == B::kArity, "one name per input; the fourteen properties follow");
    static_assert(B::kResult == Result::Double, "the function value is a double");
    return Gateway{Export<F>::kName, B::Inputs(names, std::make_index_sequence<N>{}), N, B::kResult,
                   kCheckErrors, &RunPropertySet, [](const Arguments& a, void* result, double* const* properties) {
                       B::WithProperties(a, result, properties, std::make_index_sequence<N>{},
                                         std::make_index_sequence<kPropertyCount>{});
                   }};
}

}  // namespace hyx
