// CSV route sources: a CSV that converts gives a .hy3 that converts back to
// the same .hy3.

#include "Hy3Csv.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView csv(reinterpret_cast<const char *>(data), qsizetype(size));
    auto hy3 = Hy3Csv::fromCsv(csv);
    if (!std::holds_alternative<QByteArray>(hy3))
        return 0;
    const QByteArray &file = std::get<QByteArray>(hy3);
    auto back = Hy3Csv::toCsv(file);
    if (!std::holds_alternative<Hy3Csv::Csv>(back))
        std::abort();
    auto again = Hy3Csv::fromCsv(std::get<Hy3Csv::Csv>(back).text);
    if (!std::holds_alternative<QByteArray>(again) || std::get<QByteArray>(again) != file)
        std::abort();
    return 0;
}
