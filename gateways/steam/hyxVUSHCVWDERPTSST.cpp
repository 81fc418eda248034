// hyxVUSHCVWDERPTSST: the function value and the fourteen properties v to DHDTp.
#include "property_set.hpp"

const hyx::Gateway hyx::gateway = hyx::PropertySet<hyxVUSHCVWDERPTSST>({"t"});
