// Argument cursors: walk one MATLAB input element by element and deliver
// each element in the type the library function takes for that parameter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include <mex.h>

#include "zorhyx6.h"

namespace hyx {
using Long = ZORLONG;      // the library's long: 32 bits on every platform
using Text = const char*;  // NUL-terminated 8-bit text
}  // namespace hyx

// The cursor interface, for T = double, hyx::Long or hyx::Text.
template <class T>
class CZORConvert2Base {
public:
    // The current element, converted to T.
    virtual T GetValue() const = 0;
    // Moves to the next element; stays on the last one.
    virtual void Next() = 0;
    virtual std::size_t GetCount() const = 0;
    virtual mwSize GetNumberOfDimensions() const = 0;
    // The input's dimensions as MATLAB keeps them; valid while the input lives.
    virtual const mwSize* GetDimensions() const = 0;
    virtual ~CZORConvert2Base() = default;
};

namespace hyx {

// The conversion rules from a stored element S to a delivered element T.
// Nothing is range-checked and nothing is reported.
template <class T, class S>
T Convert(S s) {
    if constexpr (std::is_same_v<T, double>) {
        return static_cast<double>(s);  // integers over 2^53 round to nearest, ties to even
    } else if constexpr (std::is_floating_point_v<S>) {
        // Truncation toward zero. NaN, infinities and values that do not fit
        // give INT32_MIN, the value of x86's truncating conversion.
        const double d = s;
        return d > -2147483649.0 && d < 2147483648.0 ? static_cast<Long>(d) : INT32_MIN;
    } else {
        // The low 32 bits read as a signed number.
        return static_cast<Long>(static_cast<std::uint32_t>(s));
    }
}

}  // namespace hyx

// A cursor over an input whose elements are stored as S, delivering the
// element type of Base. It reads the input in place and never owns it.
template <class S, class Base>
class CZORConvert2Impl final : public Base {
    using T = decltype(std::declval<const Base&>().GetValue());

public:
    explicit CZORConvert2Impl(const mxArray* input)
        : current_(static_cast<const S*>(mxGetData(input))),
          last_(current_ + (mxGetNumberOfElements(input) > 0 ? mxGetNumberOfElements(input) - 1 : 0)),
          input_(input) {}

    T GetValue() const override { return hyx::Convert<T>(*current_); }
    void Next() override {
        if (current_ < last_) ++current_;
    }
    std::size_t GetCount() const override { return mxGetNumberOfElements(input_); }
    mwSize GetNumberOfDimensions() const override { return mxGetNumberOfDimensions(input_); }
    const mwSize* GetDimensions() const override { return mxGetDimensions(input_); }

private:
    const S* current_;
    const S* last_;
    const mxArray* input_;
};

namespace hyx {

// The numeric cursor for the input's MATLAB class, or null for a class that
// has none (logical, char, cell, struct, ...). The one place that maps class
// ids to element types.
template <class T>
std::unique_ptr<CZORConvert2Base<T>> MakeNumericCursor(const mxArray* input);

}  // namespace hyx
