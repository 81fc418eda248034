// hyxgVFGSGS: volume fraction of one gas in another, by texts.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxgVFGSGS>({"gas_looked", "gas_looked_for"}, hyx::kCheckErrors);
