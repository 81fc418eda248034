// The cursors of one call, one per input, in input order.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "gateway.hpp"
#include "numeric_cursors.hpp"

namespace hyx {

// The element count and shape of a call's output.
struct Shape {
    std::size_t count = 0;
    mwSize dimension_count = 0;
    const mwSize* dimensions = nullptr;
};

class Arguments {
public:
    // Creates the cursors input by input and makes the checks that refuse an
    // input (class, sparse, text without elements); throws Failure.
    Arguments(const Gateway& gateway, const mxArray* const* inputs);
    ~Arguments();
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    // The shape of the first input with the most elements. Refuses a call in
    // which any input is empty: there would be no element to pair with.
    Shape OutputShape(const Gateway& gateway) const;

    // The current element of input i, which takes T.
    template <class T>
    T Value(std::size_t i) const {
        return Get<T>(cursors_[i])->GetValue();
    }

    void Next();

private:
    // Exactly one member is set: the cursor for the parameter's element type.
    struct Cursor {
        std::unique_ptr<CZORConvert2Base<double>> number;
        std::unique_ptr<CZORConvert2Base<Long>> integer;
        std::unique_ptr<CZORConvert2Base<Text>> text;
    };

    template <class T>
    static CZORConvert2Base<T>* Get(const Cursor& c) {
        if constexpr (std::is_same_v<T, double>) return c.number.get();
        else if constexpr (std::is_same_v<T, Long>) return c.integer.get();
        else return c.text.get();
    }

    // Applies f to the cursor, whichever its element type.
    template <class F>
    static auto Visit(const Cursor& c, F&& f) {
        if (c.number) return f(*c.number);
        if (c.integer) return f(*c.integer);
        return f(*c.text);
    }

    std::array<Cursor, kMaxInputs> cursors_;
    std::size_t count_ = 0;
};

}  // namespace hyx
