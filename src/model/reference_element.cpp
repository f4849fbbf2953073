#include "model/reference_element.h"

namespace slv {

int NextUsableRow(int start, int rowCount, const std::function<bool(int)>& usable)
{
    int row = start;
    for (int tries = 0; tries <= rowCount; ++tries) {
        if (row < 1 || row > rowCount)
            row = 1;
        if (rowCount >= 1 && usable(row))
            return row;
        ++row;
    }
    return 0;
}

}  // namespace slv
