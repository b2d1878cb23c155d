// libFuzzer target of the chart reader. For any bytes: reading never crashes; a failed read
// leaves the record exactly as it was; a record read is one the writer can write, and what
// it writes reads back as the same chart and is written again as the same text.
// Built and run by scripts/fuzz.sh.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/app/model/ChartRoundTrip.h"

namespace {

using namespace natalis;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "ChartReaderFuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string out;
    for (const std::string& f : fields) out += "[" + f + "] ";
    return out;
}

// A record as a previous chart leaves it, so that kept fields can be told apart.
NatalRecord PreviousChart() {
    std::istringstream in(
        "1: Previa\r\n2: 9\r\n3; 7\r\n4: 1950\r\n5: 01.0203\r\n6: -05.00\r\n7: 10.00N\r\n"
        "8: 070.00W\r\n9: Lima\r\n");
    NatalRecord r;
    if (!ReadChartStream(in, "previa.dat", r).ok) Fail("the previous chart does not read", "");
    return r;
}

void Check(const std::string& bytes, const NatalRecord& before) {
    const RoundTrip t = ReadWriteRead(bytes, before);
    if (!t.read) {
        if (RecordFields(t.first) != RecordFields(before))
            Fail("a failed read changed the record", Joined(RecordFields(t.first)));
        return;
    }
    if (!t.problem.empty()) Fail("the writer refuses a record the reader accepted", t.problem);
    if (!t.readAgain) Fail("what the writer wrote does not read", t.written);
    if (ChartDataOf(t.again) != ChartDataOf(t.first))
        Fail("written and read again, the chart differs",
             Joined(ChartDataOf(t.first)) + "\n" + Joined(ChartDataOf(t.again)));
    if (t.rewritten != t.written) Fail("written twice, the text differs", t.written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const NatalRecord previous = PreviousChart();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, NatalRecord{});
    Check(bytes, previous);
    return 0;
}
