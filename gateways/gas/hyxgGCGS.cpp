// hyxgGCGS: gas constant of a gas given by text.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgGCGS>({"gas"}, hyx::kCheckErrors);
