// hyxGETDELTATS: the library's delta TS.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETDELTATS>(hyx::kNoErrorCheck);
