// hyxGETTOLERANCE: the library's tolerance.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETTOLERANCE>(hyx::kNoErrorCheck);
