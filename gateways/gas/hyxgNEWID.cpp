// hyxgNEWID: a new gas identifier.
#include "parameterless.hpp"

const hyx::Gateway hyx::gateway = hyx::Parameterless<hyxgNEWID>(hyx::kCheckErrors);
