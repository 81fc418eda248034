// hyxGETHYXVERSION: the library's version.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETHYXVERSION>(hyx::kNoErrorCheck);
