// hyxGETABSOLUTEGASCONSTANT: the library's absolute gas constant.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETABSOLUTEGASCONSTANT>(hyx::kNoErrorCheck);
