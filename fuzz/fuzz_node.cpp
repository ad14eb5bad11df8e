// Reads arbitrary bytes as a stored node text, both as given and as Base64
// of the bytes, so the fuzzer reaches the binary reader behind the header.
#include <gen/store/GNode.h>

#include "support/SampleNodes.h"  // registers the stored types the seeds use

#include <QByteArray>
#include <QString>

#include "quiet_log.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    fuzz::quiet_log();
    QByteArray const bytes(reinterpret_cast<char const*>(data), qsizetype(size));
    gen::store::GNode const asText = gen::store::GNode::from_qstring(QString::fromLatin1(bytes));
    gen::store::GNode const read = gen::store::GNode::from_qstring(QString::fromLatin1(bytes.toBase64()));
    // What was read must write and read back the same.
    gen::store::GNode const again = gen::store::GNode::from_qstring(read.to_base_64_string());
    if (!again.equals(read)) {
        __builtin_trap();
    }
    return asText.size() >= 0 ? 0 : 1;
}
