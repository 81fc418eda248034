#include "gateway.hpp"

#include <cstdio>
#include <new>

#include "failure.hpp"
#include "messages.hpp"

namespace hyx {

namespace {

struct ResultClass {
    mxClassID id;
    const char* name;  // as the output message prints it
    std::size_t size;
};

ResultClass ClassOf(Result result) {
    switch (result) {
        case Result::Double: return {mxDOUBLE_CLASS, "mxDOUBLE_CLASS", sizeof(double)};
        case Result::Int32: return {mxINT32_CLASS, "mxINT32_CLASS", sizeof(Long)};
        case Result::String: break;
    }
    return {mxCHAR_CLASS, "string", sizeof(char)};
}

template <class... Args>
void Keep(ErrorText& error, const char* format, Args... args) {
    std::snprintf(error.own, sizeof error.own, format, args...);
    error.text = error.own;
}

}  // namespace

void CheckInputCount(const Gateway& g, const Call& call) {
    if (call.nrhs < 0 || static_cast<std::size_t>(call.nrhs) != g.input_count)
        throw Failure(msg::InputCount(g.name, g.input_count));
}

mxArray* CreateOutput(const Gateway& g, mwSize dimension_count, const mwSize* dimensions) {
    const ResultClass cls = ClassOf(g.result);
    mxArray* output = mxCreateNumericArray(dimension_count, dimensions, cls.id, mxREAL);
    if (!output) throw Failure(msg::OutputMatrix(g.name, cls.name));
    return output;
}

std::size_t ResultSize(Result result) { return ClassOf(result).size; }

void CheckLibraryError(const Gateway& g) {
    const Long code = hyxGETLASTERROR();
    if (code == 0) return;
    const char* text = hyxGETLASTERRORTEXT();
    // MATLAB shows no error for an empty text: the failure would pass as success.
    if (!text || !*text) throw Failure(msg::LibraryWithoutText(g.name, code));
    throw Failure::Library(text);
}

bool Run(const Gateway& g, const Call& call, ErrorText& error) noexcept {
    try {
        g.driver(g, call);
        return true;
    } catch (const Failure& failure) {
        if (failure.IsLibraryText()) error.text = failure.Text();
        else Keep(error, "%s", failure.Text());
    } catch (const std::bad_alloc&) {
        Keep(error, msg::kOutOfMemoryFormat, g.name);
    } catch (...) {
        Keep(error, msg::kInternalFormat, g.name);
    }
    return false;
}

}  // namespace hyx
