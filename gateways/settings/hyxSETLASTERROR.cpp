// hyxSETLASTERROR: sets the library's last error code.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETLASTERROR>({"ErrCode"}, hyx::kNoErrorCheck);
