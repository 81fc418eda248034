// hyxGETDELTAPRESSURE: the library's pressure delta.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETDELTAPRESSURE>(hyx::kNoErrorCheck);
