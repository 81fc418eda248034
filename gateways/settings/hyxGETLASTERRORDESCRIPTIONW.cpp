// hyxGETLASTERRORDESCRIPTIONW: the description of the library's last error.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxGETLASTERRORDESCRIPTIONW>(hyx::kNoErrorCheck);
