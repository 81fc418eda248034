// hyxgVFIDID: volume fraction of one gas in another, by identifiers.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgVFIDID>({"id_looked", "id_looked_for"}, hyx::kCheckErrors);
