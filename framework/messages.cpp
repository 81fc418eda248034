#include "messages.hpp"

namespace hyx::msg {

namespace {

std::string Function(const char* function) { return std::string("Function ") + function; }

std::string InputArgument(const char* function, std::size_t position, const char* parameter) {
    return Function(function) + " requires " + std::to_string(position) + " input argument (" + parameter + ")";
}

}  // namespace

std::string InputCount(const char* function, std::size_t inputs) {
    return Function(function) + " requires " + std::to_string(inputs) +
           (inputs >= 2 ? " input arguments." : " input argument.");
}

std::string OutputCount(const char* function, const char* counts, bool plural) {
    return Function(function) + " requires " + counts + (plural ? " output arguments." : " output argument.");
}

std::string NumericClass(const char* function, std::size_t position, const char* parameter) {
    return InputArgument(function, position, parameter) +
           " be type of numeric. Try to use MATLAB function 'double(x), int32(x), int64() etc'.";
}

std::string SparseInput(const char* function, std::size_t position, const char* parameter) {
    return InputArgument(function, position, parameter) +
           " be type of full numeric, not sparse. Try to use MATLAB function 'full(x)'.";
}

std::string TextInput(const char* function, std::size_t position) {
    return Function(function) + " requires input argument #" + std::to_string(position) +
           " be type of const char. Try to use MATLAB's type conversion functions.";
}

std::string ZeroSize(const char* function) {
    return Function(function) + " can't process zero size of elements in arguments arrays.";
}

std::string OutputMatrix(const char* function, const char* type) {
    return Function(function) + ": can't create output matrix with type " + type + ".";
}

std::string OutputParameter(const char* function, std::size_t number, const char* property) {
    return Function(function) + ": can't create matrix for output parameter #" + std::to_string(number) + " " +
           property + ".";
}

std::string LibraryWithoutText(const char* function, long code) {
    return Function(function) + ": the library reported error " + std::to_string(code) + " without a text.";
}

}  // namespace hyx::msg
