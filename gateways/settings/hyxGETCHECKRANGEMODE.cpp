// hyxGETCHECKRANGEMODE: the library's range-check mode.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETCHECKRANGEMODE>(hyx::kNoErrorCheck);
