#include "elementwise.hpp"

#include "failure.hpp"
#include "messages.hpp"

namespace hyx {

void RunElementwise(const Gateway& g, const Call& call) {
    CheckInputCount(g, call);
    if (call.nlhs != 0 && call.nlhs != 1) throw Failure(msg::OutputCount(g.name, "0 or 1", true));

    Arguments arguments(g, call.prhs);
    const Shape shape = arguments.OutputShape(g);

    // Placed at once, also when no output was asked for: it becomes ans.
    mxArray* output = CreateOutput(g, shape.dimension_count, shape.dimensions);
    call.plhs[0] = output;

    char* element = static_cast<char*>(mxGetData(output));
    const std::size_t size = ResultSize(g.result);
    for (std::size_t k = 0; k < shape.count; ++k, element += size) {
        g.invoke(arguments, element, nullptr);
        if (g.error_check == kCheckErrors) CheckLibraryError(g);
        arguments.Next();
    }
}

}  // namespace hyx
