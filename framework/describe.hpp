// What a description builder deduces from the library function it names:
// the export's name from the export table, the element types of the
// parameters and the kind of result from the function's type, and the call
// that feeds it the current elements.
#pragma once

#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

#include "arguments.hpp"
#include "gateway.hpp"
#include "zorhyx6.h"

namespace hyx {

// The name of each export, from the library's export table: the name of
// the plug-in that calls it.
template <auto F>
struct Export;
#define HYX_EXPORT_INFO(number, result, name, params) \
    template <>                                       \
    struct Export<&::name> {                          \
        static constexpr const char* kName = #name;   \
    };
ZORHYX6_EXPORTS(HYX_EXPORT_INFO)
#undef HYX_EXPORT_INFO

namespace detail {

template <class T>
constexpr ElementType ElementOf() {
    if constexpr (std::is_same_v<T, double>) return ElementType::Double;
    else if constexpr (std::is_same_v<T, Long>) return ElementType::Long;
    else {
        static_assert(std::is_same_v<T, Text>, "a library parameter is a double, a long or a text");
        return ElementType::Text;
    }
}

template <class R>
constexpr Result ResultOf() {
    if constexpr (std::is_same_v<R, double>) return Result::Double;
    else if constexpr (std::is_same_v<R, Long>) return Result::Int32;
    else {
        static_assert(std::is_same_v<R, Text>, "a library function returns a double, a long or a text");
        return Result::String;
    }
}

// What a gateway knows of the library function F, deduced from its type.
template <auto F, class Fn = decltype(F)>
struct Bind;

template <auto F, class R, class... A>
struct Bind<F, R (*)(A...)> {
    using Parameters = std::tuple<A...>;
    static constexpr std::size_t kArity = sizeof...(A);
    static constexpr Result kResult = ResultOf<R>();

    // The first sizeof...(I) parameters, which the MATLAB inputs feed.
    template <std::size_t... I>
    static constexpr std::array<Input, kMaxInputs> Inputs(const char* const* names, std::index_sequence<I...>) {
        return {{Input{names[I], ElementOf<std::tuple_element_t<I, Parameters>>()}...}};
    }

    // Every parameter from an input.
    static void Elementwise(const Arguments& a, void* result, double* const*) {
        Elementwise(a, result, std::index_sequence_for<A...>{});
    }
    template <std::size_t... I>
    static void Elementwise(const Arguments& a, void* result, std::index_sequence<I...>) {
        *static_cast<R*>(result) = F(a.template Value<A>(I)...);
    }

    // Inputs first, then the property addresses.
    template <std::size_t... I, std::size_t... J>
    static void WithProperties(const Arguments& a, void* result, double* const* properties,
                               std::index_sequence<I...>, std::index_sequence<J...>) {
        *static_cast<R*>(result) =
            F(a.template Value<std::tuple_element_t<I, Parameters>>(I)..., properties[J]...);
    }
};

}  // namespace detail
}  // namespace hyx
