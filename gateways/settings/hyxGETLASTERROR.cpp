// hyxGETLASTERROR: the library's last error code.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETLASTERROR>(hyx::kNoErrorCheck);
