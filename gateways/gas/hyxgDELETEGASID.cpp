// hyxgDELETEGASID: deletes the gas with the given identifier.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgDELETEGASID>({"id"}, hyx::kCheckErrors);
