// Round trip of a typical window node through its stored text form, against
// the same values as a QVariantMap through a plain QDataStream.
#include <gen/store/GNode.h>

#include "support/SampleNodes.h"

#include <QDataStream>
#include <QIODevice>
#include <QVariantMap>

#include <benchmark/benchmark.h>

namespace {

QVariantMap as_variant_map(gen::store::GNode const& node)
{
    QVariantMap map;
    for (auto it = node.values().cbegin(); it != node.values().cend(); ++it) {
        map.insert(it.key(), it.value());
    }
    return map;
}

void BM_NodeTextRoundTrip(benchmark::State& state)
{
    gen::store::GNode const node = test::samples().window();
    for (auto _ : state) {
        QString const text = node.to_base_64_string();
        gen::store::GNode read = gen::store::GNode::from_qstring(text);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_NodeTextRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_NodeBinaryRoundTrip(benchmark::State& state)
{
    gen::store::GNode const node = test::samples().window();
    for (auto _ : state) {
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            node.to_stream(out);
        }
        QDataStream in(bytes);
        gen::store::GNode read;
        read.from_stream(in);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_NodeBinaryRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_QVariantMapRoundTrip(benchmark::State& state)
{
    QVariantMap const map = as_variant_map(test::samples().window());
    for (auto _ : state) {
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << map;
        }
        QDataStream in(bytes);
        QVariantMap read;
        in >> read;
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_QVariantMapRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
