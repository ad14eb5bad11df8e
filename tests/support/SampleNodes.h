#pragma once
// The sample trees for everything that needs only the store: its tests, the
// damage test, the benchmarks and the fuzzing seed corpus. The view, light
// and transform are plain float arrays registered under ids of the tests'
// own, sized like the GL library's camera (15 floats), light (7) and matrix
// (16). Include this or SampleGLNodes.h, never both.

#include "support/SampleTree.h"

#include <gen/store/GType.h>

namespace test {

template <unsigned int Id, int Count>
struct SamplePod {
    float values[Count];
};

using SampleView = SamplePod<9100, 15>;
using SampleLight = SamplePod<9107, 7>;
using SampleMatrix = SamplePod<9500, 16>;

}  // namespace test

namespace gen::store {

template <unsigned int Id, int Count>
struct gtype_traits<test::SamplePod<Id, Count>> {
    static constexpr unsigned int id = Id;
    static QString to_string(test::SamplePod<Id, Count> const& value)
    {
        return QStringLiteral("SamplePod %1, last:%2").arg(Id).arg(value.values[Count - 1]);
    }
};

namespace {
[[maybe_unused]] bool const reg_sample_view = register_gtype<test::SampleView>();
[[maybe_unused]] bool const reg_sample_light = register_gtype<test::SampleLight>();
[[maybe_unused]] bool const reg_sample_matrix = register_gtype<test::SampleMatrix>();
}  // namespace

}  // namespace gen::store

namespace test {
// Apart from the GL sample set, so that each keeps its own definition.
inline namespace store_samples {

inline SampleSet<SampleView, SampleLight, SampleMatrix> const& samples()
{
    // The matrix turns 0.5 radians about y, column-major.
    static SampleSet<SampleView, SampleLight, SampleMatrix> const set{
        {{0, 0, 5, 0, 0, 0, 0, 0.247404f, 0, 0.968912f, 48, 0.1f, 100, 0.05f, 5}},
        {{10, 4, 3, 1, 1, 0.9f, 0.75f}},
        {{0.877583f, 0, -0.479426f, 0, 0, 1, 0, 0, 0.479426f, 0, 0.877583f, 0, 0, 0, 0, 1}}};
    return set;
}

}  // namespace store_samples
}  // namespace test
