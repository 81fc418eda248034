// hyxgGETCALCDISSMODE: the library's dissociation calculation mode.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxgGETCALCDISSMODE>(hyx::kNoErrorCheck);
