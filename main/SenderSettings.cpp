#include "main/SenderSettings.h"

namespace zeft {

int OutputTypeCodeFromIndex(int index) {
    if (index >= 0 && index <= 2) {
        return index;
    }
    if (index == 3) {
        return 4;
    }
    return kNoSelection;
}

int OutputTypeIndexFromCode(int code) {
    if (code >= 0 && code <= 2) {
        return code;
    }
    if (code == 4) {
        return 3;
    }
    return kNoSelection;
}

int FluidTypeCodeFromIndex(int index) {
    return index >= 0 && index <= 3 ? index : kNoSelection;
}

int FluidTypeIndexFromCode(int code) {
    return code >= 0 && code <= 3 ? code : kNoSelection;
}

} // namespace zeft
