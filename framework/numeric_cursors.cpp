#include "numeric_cursors.hpp"

namespace hyx {

template <class T>
std::unique_ptr<CZORConvert2Base<T>> MakeNumericCursor(const mxArray* input) {
    using Base = CZORConvert2Base<T>;
    switch (mxGetClassID(input)) {
        case mxDOUBLE_CLASS: return std::make_unique<CZORConvert2Impl<double, Base>>(input);
        case mxSINGLE_CLASS: return std::make_unique<CZORConvert2Impl<float, Base>>(input);
        case mxINT8_CLASS: return std::make_unique<CZORConvert2Impl<std::int8_t, Base>>(input);
        case mxUINT8_CLASS: return std::make_unique<CZORConvert2Impl<std::uint8_t, Base>>(input);
        case mxINT16_CLASS: return std::make_unique<CZORConvert2Impl<std::int16_t, Base>>(input);
        case mxUINT16_CLASS: return std::make_unique<CZORConvert2Impl<std::uint16_t, Base>>(input);
        case mxINT32_CLASS: return std::make_unique<CZORConvert2Impl<std::int32_t, Base>>(input);
        case mxUINT32_CLASS: return std::make_unique<CZORConvert2Impl<std::uint32_t, Base>>(input);
        case mxINT64_CLASS: return std::make_unique<CZORConvert2Impl<std::int64_t, Base>>(input);
        case mxUINT64_CLASS: return std::make_unique<CZORConvert2Impl<std::uint64_t, Base>>(input);
        default: return nullptr;
    }
}

template std::unique_ptr<CZORConvert2Base<double>> MakeNumericCursor<double>(const mxArray*);
template std::unique_ptr<CZORConvert2Base<Long>> MakeNumericCursor<Long>(const mxArray*);

}  // namespace hyx
