#include "stamper/document/stamp_type_code.h"

namespace vermil {

StampType stampTypeOfCode(std::int32_t code) {
    switch (code) {
    case 0:
        return {1, stampRed};
    case 1:
        return {1, stampBlack};
    case 10:
        return {0, stampRed};
    case 11:
        return {0, stampBlack};
    case 20:
        return {2, stampRed};
    case 21:
        return {2, stampBlack};
    default:
        return {0, stampBlue};
    }
}

std::int32_t stampTypeCodeOfShape(int shape) {
    switch (shape) {
    case 1:
        return 0;
    case 2:
        return 20;
    default:
        return 10;
    }
}

} // namespace vermil
