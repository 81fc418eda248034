#include "property_set.hpp"

#include "failure.hpp"
#include "messages.hpp"

namespace hyx {

namespace {

#define HYX_PROPERTY_NAME(name) #name,
constexpr const char* kPropertyNames[kPropertyCount] = {ZORHYX6_PROPERTIES(HYX_PROPERTY_NAME)};
#undef HYX_PROPERTY_NAME

constexpr int kAllOutputs = 1 + static_cast<int>(kPropertyCount);

}  // namespace

void RunPropertySet(const Gateway& g, const Call& call) {
    CheckInputCount(g, call);
    if (call.nlhs != 0 && call.nlhs != kAllOutputs) throw Failure(msg::OutputCount(g.name, "0 or 15", true));

    Arguments arguments(g, call.prhs);
    const Shape shape = arguments.OutputShape(g);

    mxArray* values = CreateOutput(g, shape.dimension_count, shape.dimensions);
    call.plhs[0] = values;
    double* value = static_cast<double*>(mxGetData(values));

    // Where the library writes each property: element k of its output, or,
    // when MATLAB takes the function values alone, one scratch place that
    // every element overwrites.
    double scratch[kPropertyCount] = {};
    double* property[kPropertyCount];
    std::size_t step = 0;
    if (call.nlhs == kAllOutputs) {
        for (std::size_t j = 0; j < kPropertyCount; ++j) {
            mxArray* output = mxCreateNumericArray(shape.dimension_count, shape.dimensions, mxDOUBLE_CLASS, mxREAL);
            if (!output) throw Failure(msg::OutputParameter(g.name, j + 1, kPropertyNames[j]));
            call.plhs[j + 1] = output;
            property[j] = static_cast<double*>(mxGetData(output));
        }
        step = 1;
    } else {
        for (std::size_t j = 0; j < kPropertyCount; ++j) property[j] = &scratch[j];
    }

    for (std::size_t k = 0; k < shape.count; ++k) {
        g.invoke(arguments, value + k, property);
        CheckLibraryError(g);
        arguments.Next();
        for (double*& p : property) p += step;
    }
}

}  // namespace hyx
