#pragma once
// The sample trees for what needs only the store: its tests, benchmarks and
// fuzzing seeds. The view, light and transform are float arrays of the tests'
// own ids, sized like the GL library's camera (15 floats), light (7) and
// matrix (16). Include this or SampleGLNodes.h, never both.

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

inline bool const reg_samples = register_gtype<test::SampleView>() && register_gtype<test::SampleLight>() &&
                                register_gtype<test::SampleMatrix>();

}  // namespace gen::store

namespace test {
inline namespace store_samples {  // keeps apart from the GL samples()

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
