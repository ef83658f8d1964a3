// The record reader on any bytes: every read either gives a value or throws
// RecordFormatError; whatever was read can be written again. Text conversion must be
// lossless for every single-byte text.
#include <cstdlib>

#include "base/files/record_format.h"
#include "fuzz_support.h"

using namespace corvanta;

namespace {

constexpr std::size_t kPlanBytes = 8;

void readOne(RecordReader& in, RecordWriter& out, std::uint8_t kind) {
    switch (kind % 6) {
        case 0:
            out.single(in.readSingle());
            break;
        case 1:
            out.dbl(in.readDouble());
            break;
        case 2:
            out.integer(in.readInteger());
            break;
        case 3:
            out.boolean(in.readFlag() != 0);
            break;
        case 4:
            in.readText();
            break;  // texts may hold quotes, which a file cannot
        default:
            out.raw(in.readRaw());
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kPlanBytes) return 0;
    const std::string_view content = fuzz::asText(data + kPlanBytes, size - kPlanBytes);
    if (utf8ToLatin1(latin1ToUtf8(content)) != content) std::abort();
    RecordReader in(content, "fuzz.use");
    RecordWriter out;
    try {
        for (std::size_t i = 0; !in.atEnd(); ++i) readOne(in, out, data[i % kPlanBytes]);
    } catch (const RecordFormatError&) {
    }
    return 0;
}
