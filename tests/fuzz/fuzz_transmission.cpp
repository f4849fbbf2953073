// Fuzz entry point for transmission files (.ltr). The bytes go through the
// reader the program uses; a table that reads is then evaluated across the
// whole kinetic-energy range of the sources, where no factor may be NaN or
// infinite without being reported as a fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "quant/transmission_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const slv::TransmissionRead read = slv::ReadTransmissionFile(text);
    if (read.fault != slv::TransmissionFault::None)
        return 0;
    if (read.table.rowCount < 0 || read.table.rowCount > slv::kMaxTransmissionRows)
        std::abort();
    for (float kinetic : {0.0f, 1.0f, 50.0f, 399.9f, 1000.0f, 1253.6f, 1486.6f, 3000.0f, 1e6f}) {
        const slv::TransmissionValue t = slv::EvaluateTransmission(read.table, kinetic);
        if (t.fault == slv::TransmissionFault::None && !std::isfinite(t.value))
            std::abort();
    }
    return 0;
}
