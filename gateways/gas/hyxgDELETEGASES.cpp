// hyxgDELETEGASES: deletes the library's gases.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxgDELETEGASES>(hyx::kCheckErrors);
