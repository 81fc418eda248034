// hyxgADDGASV: adds a volume of the gas id_source to the gas id_target.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgADDGASV>({"id_target", "id_source", "volume"}, hyx::kCheckErrors);
