// hyxgNEWIDNAME: a new gas identifier for a name.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgNEWIDNAME>({"name"}, hyx::kCheckErrors);
