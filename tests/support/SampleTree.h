#pragma once
// The shape of the sample trees: plain values of every stored kind, a window's
// registered structures (a view, a light, a transform) and nested children.

#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace test {

inline gen::log::LogConfig sample_log_config()
{
    return {.digits = 4, .logLevel = 2, .logControl = 0x1003FE, .fontSize = 13};
}

template <class Camera, class Light, class Matrix>
struct SampleSet {
    Camera camera;
    Light light;
    Matrix matrix;

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

    // The path of each value of node() that `tree` does not hold with the
    // same stored form; empty when all are there.
    std::vector<std::string> mismatches(gen::store::GNode const& tree) const
    {
        std::vector<std::string> wrong;
        add_mismatches(node(), &tree, "", wrong);
        return wrong;
    }

    // Texts of several valid trees: empty, a window, windows with a list.
    std::vector<QString> texts() const
    {
        gen::store::GNode tree;
        tree["Window"]["CWinPlanets_0"] = window();
        tree["Window"]["CWinPlanets_1"].set("names", QStringList{"x", "y"});
        return {gen::store::GNode().to_base_64_string(), window().to_base_64_string(), tree.to_base_64_string()};
    }

private:
    static void add_mismatches(gen::store::GNode const& sample, gen::store::GNode const* tree,
                               std::string const& path, std::vector<std::string>& wrong)
    {
        for (auto it = sample.values().cbegin(); it != sample.values().cend(); ++it) {
            gen::store::GNode expected;
            expected.set(it.key(), it.value());
            gen::store::GNode actual;
            if (tree != nullptr && tree->contains(it.key())) {
                actual.set(it.key(), tree->values().value(it.key()));
            }
            if (!actual.equals(expected)) {
                wrong.push_back(path + it.key().toStdString());
            }
        }
        for (auto const& [name, child] : sample.children()) {
            add_mismatches(child, tree != nullptr ? tree->find_node(name) : nullptr, path + name.toStdString() + "/",
                           wrong);
        }
    }
};

}  // namespace test
