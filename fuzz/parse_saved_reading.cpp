// SPDX-License-Identifier: MIT
// Any bytes as the content of a file the user picked to open.
#include "files/SavedReading.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<SavedReading::Fields> fields = SavedReading::parse(bytes);
    if (!fields)
        return 0;
    // Whatever opens must be a reading that saving it again stores and opens unchanged.
    const CurrentReading reading{fields->name, qint16(fields->year.toShort()), fields->month,
                                 qint16(fields->day.toShort()), fields->afterSunset};
    if (SavedReading::parse(SavedReading::compose(reading)) != fields)
        std::abort();
    return 0;
}
