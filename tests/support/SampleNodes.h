#pragma once
// The sample trees for the store's tests, benchmarks and fuzzing seeds and
// the settings tests. The view, light and transform are float arrays of the
// tests' own ids, sized like the GL library's camera (15 floats), light (7)
// and matrix (16).

#include <gen/store/GNode.h>
#include <gen/store/GType.h>
#include <gen/store/LogConfigGType.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

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

inline gen::log::LogConfig sample_log_config()
{
    return {.digits = 4, .logLevel = 2, .logControl = 0x1003FE, .fontSize = 13};
}

// Plain values of every stored kind, a window's registered structures (a
// view, a light, a transform) and nested children.
struct SampleSet {
    SampleView camera;
    SampleLight light;
    SampleMatrix matrix;

    // Attributes as a main window keeps them, a saved view included.
    gen::store::GNode window() const
    {
        gen::store::GNode node;
        node.set("theme", 2u);
        node.set("geometry", QByteArray(66, '\x1d'));
        node.set("planet", QString(":/wb/img/earth_2k.jpg"));
        node.set_flag("seeCoordinates", true);
        node.set_pod("log", sample_log_config());
        node.set_pod("cam", camera);
        node.set_pod("light", light);
        node.set_pod("matPlanet", matrix);
        return node;
    }

    gen::store::GNode node() const
    {
        gen::store::GNode root = window();
        root.set("int", -42);
        root.set("uint", 4000000000u);
        root.set("text", QString::fromUtf8("Grüße, \"quoted\"; a=b\\c [x]"));
        // NUL, high bytes and a line feed: whatever a text store might mangle.
        root.set("bytes", QByteArray("\x00\x01\xff\x80\n=GNOD", 10));
        root["child"].set("depth", 1);
        root["child"]["grand"].set_flag("leaf", false);
        root["sibling"].set("text", QString());
        return root;
    }

    // Texts of several valid trees: empty, a window, windows with a list.
    std::vector<QString> texts() const
    {
        gen::store::GNode tree;
        tree["Window"]["CWinPlanets_0"] = window();
        tree["Window"]["CWinPlanets_1"].set("names", QStringList{"x", "y"});
        return {gen::store::GNode().to_base_64_string(), window().to_base_64_string(), tree.to_base_64_string()};
    }
};

inline SampleSet const& samples()
{
    // The matrix turns 0.5 radians about y, column-major.
    static SampleSet const set{
        {{0, 0, 5, 0, 0, 0, 0, 0.247404f, 0, 0.968912f, 48, 0.1f, 100, 0.05f, 5}},
        {{10, 4, 3, 1, 1, 0.9f, 0.75f}},
        {{0.877583f, 0, -0.479426f, 0, 0, 1, 0, 0, 0.479426f, 0, 0.877583f, 0, 0, 0, 0, 1}}};
    return set;
}

}  // namespace test
