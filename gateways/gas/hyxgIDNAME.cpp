// hyxgIDNAME: the gas identifier for a name.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgIDNAME>({"name"}, hyx::kCheckErrors);
