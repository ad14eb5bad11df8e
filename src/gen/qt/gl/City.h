#pragma once
// The built-in capital and major cities, their population cylinders on the
// planet and the search for the city nearest to a geographic position.

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec4.hpp>

#include <functional>
#include <string>
#include <vector>

namespace gen::qt::gl {
class GLMesh;
class GShader;
class ObjectGraph;
}  // namespace gen::qt::gl

namespace gen::qt::gl::glTools {

struct City {
    unsigned int id = 0;  // mesh id of the city's cylinder; 0 means not a city
    std::string name;     // UTF-8
    float lat = 0.0f;     // degrees, north positive
    float lon = 0.0f;     // degrees, east positive
    unsigned int citizens = 0;

    bool is_valid() const { return id != 0; }
    explicit operator bool() const { return is_valid(); }

    // "London, ID:2, at lat:51.51, lon:-0.13, citizens:8900000"; "NOT-VALID"
    // for id 0. Also what `$` formatting prints for a city.
    std::string to_string() const;

    // Builds (or rebuilds) the city's cylinder as the graph's mesh `id`, a
    // child of `parent`, uploads it and gives it the transform that stands it
    // on the parent sphere at the city's place. Needs the context current;
    // the mesh is owned by the graph.
    GLMesh* create_mesh_cylinder(GShader& shader, ObjectGraph& graph, GLMesh& parent,
                                 glm::vec4 const& colBottom, glm::vec4 const& colTop,
                                 glm::vec4 const& colSide) const;

    // The nearest city within 0.03 radians of arc of `latLon` (degrees), the
    // first in table order on a tie; a default City when there is none.
    // Compared as 3D vectors, so the date line needs no special case.
    static City city_from_coordinate(std::vector<City> const& cities, glm::vec2 const& latLon);
};

// Append their region's rows, taking ids from `id` and advancing it; built in
// the order Europe, America, Asia, Africa, Oceania from id 2 they give ids
// 2 to 120.
void create_cities_europe(std::vector<City>& cities, unsigned int& id);
void create_cities_america(std::vector<City>& cities, unsigned int& id);
void create_cities_asia(std::vector<City>& cities, unsigned int& id);
void create_cities_africa(std::vector<City>& cities, unsigned int& id);
void create_cities_oceania(std::vector<City>& cities, unsigned int& id);

// Thickness factor of a city's cylinder: 0.005 at 137,000 citizens or fewer,
// 0.04 at 40 million or more, linear in the logarithm between.
float population_scale(unsigned int citizens);

// Places and scales one cylinder on its parent: M -> M x
// latlon_to_matrix(lat, lon) x scale(k, 0.25, k) with k = population_scale.
std::function<glm::mat4(glm::mat4)> set_population_cylinder(float lat, float lon, unsigned int citizens);

}  // namespace gen::qt::gl::glTools
