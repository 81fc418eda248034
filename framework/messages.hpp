// Every text the plug-ins themselves show the MATLAB user. The library's own
// error texts are passed on unchanged and are not here.
#pragma once

#include <cstddef>
#include <string>

namespace hyx::msg {

// "Function NAME requires N input argument(s)."; the plural from two on.
std::string InputCount(const char* function, std::size_t inputs);
// "Function NAME requires 0 or 1 output arguments.", with the counts allowed
// and the word in the form the driver uses.
std::string OutputCount(const char* function, const char* counts, bool plural);
// A numeric parameter given an array of a class without a cursor.
std::string NumericClass(const char* function, std::size_t position, const char* parameter);
// A numeric parameter given a sparse array, whose data does not hold every element.
std::string SparseInput(const char* function, std::size_t position, const char* parameter);
// A text parameter whose input has no elements.
std::string TextInput(const char* function, std::size_t position);
std::string ZeroSize(const char* function);
// An output array not created; type is the result's class name or "string".
std::string OutputMatrix(const char* function, const char* type);
// Output 1 + number of a property-set function not created.
std::string OutputParameter(const char* function, std::size_t number, const char* property);
// The library reported an error but gave no text for it.
std::string LibraryWithoutText(const char* function, long code);
// printf formats with the function's name, for failures that may come from
// the allocator itself: they are filled in without allocating.
inline constexpr const char kOutOfMemoryFormat[] = "Function %s: out of memory.";
inline constexpr const char kInternalFormat[] = "Function %s: internal error.";

// The string cursors' messages, which name no function.
inline constexpr const char kNotCharsOrCells[] =
    "Can't initialize string parameter. It must be mxArray of cells or mxArray of chars.";
inline constexpr const char kNotChars[] = "Can't initialize string parameter. It must be mxArray of chars.";
inline constexpr const char kNotCells[] = "Can't initialize string parameter. It must be mxArray of cells.";
inline constexpr const char kCellNotText[] =
    "Can't initialize string parameter: cell array does not contain strings in cells.";
inline constexpr const char kNoMemory[] = "Can't get memory from MATLAB.";
inline constexpr const char kGetStringFailed[] = "Can't get string from array of chars.";

}  // namespace hyx::msg
