// hyxgMMID: molar mass of a gas given by identifier.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgMMID>({"id"}, hyx::kCheckErrors);
