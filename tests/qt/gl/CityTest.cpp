#include <gen/qt/gl/City.h>

#include <gen/math/sphere.h>
#include <gen/qt/gl/Camera.h>
#include <gen/tools/xprintf.h>

#include "support/Fuzzy.h"

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <climits>

using gen::qt::gl::glTools::City;
namespace glTools = gen::qt::gl::glTools;
namespace sphere = gen::math::sphere;

namespace {

// The table as the view builds it; `next` is the id after the last.
std::vector<City> all_cities(unsigned int& next)
{
    std::vector<City> cities;
    next = 2;
    for (auto region : {glTools::create_cities_europe, glTools::create_cities_america, glTools::create_cities_asia,
                        glTools::create_cities_africa, glTools::create_cities_oceania}) {
        region(cities, next);
    }
    return cities;
}

std::vector<City> const& table()
{
    static unsigned int next = 0;
    static std::vector<City> const cities = all_cities(next);
    return cities;
}

City const& by_name(std::string const& name)
{
    return *std::find_if(table().begin(), table().end(), [&](City const& c) { return c.name == name; });
}

// A point `radians` of arc due north of a city (stays on its meridian).
glm::vec2 north_of(City const& c, float radians)
{
    return {c.lat + glm::degrees(radians), c.lon};
}

}  // namespace

TEST(City, TableHoldsTheRegionsInOrderGivesTheNearestCityWithinTheSearchRadiusAndPickingFindsIt)
{
    unsigned int next = 0;
    std::vector<City> const cities = all_cities(next);
    ASSERT_TRUE(cities.size() == 119u && next == 121u);
    EXPECT_TRUE(std::all_of(cities.begin(), cities.end(), [id = 2u](City const& c) mutable { return c.id == id++; }));
    // The regions in order: the last of each and the first of the next.
    std::string boundaries;
    for (unsigned int const id : {38u, 39u, 55u, 86u, 106u, 120u}) {
        boundaries += cities[id - 2].name + ",";
    }
    EXPECT_EQ(boundaries, "Moscow,Anchorage,Sana\xE2\x80\x99" "a,Cairo,Sydney,Majuro,");
    // Its text, also what `$` prints for it.
    EXPECT_EQ(gen::str::xprintF(0, "city:$", cities.front()), "city:London, ID:2, at lat:51.51, lon:-0.13, citizens:8900000");
    EXPECT_EQ(gen::str::xprintF(0, "city:$", City{}), "city:NOT-VALID");
    // The nearest city within the search radius.
    City const& jeddah = by_name("Jeddah");
    City const& mecca = by_name("Mecca");
    glm::vec2 const nearMecca = 0.3f * glm::vec2(jeddah.lat, jeddah.lon) + 0.7f * glm::vec2(mecca.lat, mecca.lon);
    struct Case { char const* where; glm::vec2 latLon; char const* expected; };
    for (Case const& c : {Case{"exactly London", {51.5074f, -0.1278f}, "London"},
                          Case{"closer to Mecca", nearMecca, "Mecca"},
                          Case{"over the date line", {-18.1248f, 180.0f}, "Suva"},
                          Case{"0.029 rad north of Bern", north_of(by_name("Bern"), 0.029f), "Bern"},
                          Case{"0.031 rad north of Reykjavik", north_of(by_name("Reykjavik"), 0.031f), ""},
                          Case{"open ocean", {0.0f, 0.0f}, ""}}) {
        City const found = City::city_from_coordinate(table(), c.latLon);
        EXPECT_TRUE(found.name == c.expected && found.is_valid() == (*c.expected != '\0')) << c.where;
    }
    // Of cities at the same distance the first in table order wins.
    City twin = mecca;
    twin.name = "twin";
    EXPECT_EQ(City::city_from_coordinate({mecca, twin}, nearMecca).name, "Mecca");
    EXPECT_EQ(City::city_from_coordinate({twin, mecca}, nearMecca).name, "twin");
    // Picking: the start camera looks at latitude 0, longitude 0; a miss gives (0, 0). (A turned planet is checked
    // through the planet view's hover in tests/orrin.)
    gen::qt::gl::Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    gen::math::ViewPort const vp{800.0f, 600.0f};
    QPoint const centre(400, 300);
    glm::vec2 const above = sphere::get_geo_coordinate(cam, vp, QPoint(400, 250));
    EXPECT_TRUE(above.x > 1.0f && std::fabs(above.y) < 1e-4f);
    // The centre, a miss and an empty viewport all give (0, 0).
    EXPECT_EQ(sphere::get_geo_coordinate(cam, vp, centre) + sphere::get_geo_coordinate(cam, vp, QPoint(5, 5)) +
                  sphere::get_geo_coordinate(cam, gen::math::ViewPort{0.0f, 600.0f}, centre),
              glm::vec2(0.0f, 0.0f));
}

TEST(City, CylinderWidthGrowsWithTheLogOfThePopulationItStandsOnThePlanetAndTurnsWithIt)
{
    std::pair<unsigned, float> const rows[] = {{137000, 0.005f},   {10000, 0.005f},    {40000000, 0.04f},
                                               {UINT_MAX, 0.04f},    {24900000, 0.0371f}, {30000000, 0.0382f}};
    for (auto const& [citizens, k] : rows) {
        EXPECT_NEAR(glTools::population_scale(citizens), k, 1e-4f) << citizens;
    }
    // Twice the population adds the same to k anywhere inside the range.
    float const step = glTools::population_scale(2000000) - glTools::population_scale(1000000);
    EXPECT_NEAR(glTools::population_scale(20000000) - glTools::population_scale(10000000), step, 1e-6f);

    City const& delhi = by_name("Delhi");
    auto const place = glTools::set_population_cylinder(delhi.lat, delhi.lon, delhi.citizens);
    float const k = glTools::population_scale(delhi.citizens);
    glm::vec3 const up = sphere::latlon_to_vec(delhi.lat, delhi.lon);
    for (glm::mat4 const& parent : {glm::mat4(1.0f), glm::rotate(glm::mat4(1.0f), 1.1f, glm::vec3(0.3f, 1.0f, 0.2f))}) {
        glm::mat4 const m = place(parent);
        glm::vec3 const worldUp = glm::vec3(parent * glm::vec4(up, 0.0f));
        // Centre 1.01 radii out along the local vertical, axis 0.25 long, width k.
        EXPECT_TRUE(test::near(glm::vec3(m[3]), 1.01f * worldUp, 1e-5f));
        EXPECT_TRUE(test::near(glm::vec3(m[1]), 0.25f * worldUp, 1e-5f));
        glm::vec3 const x(m[0]), z(m[2]);
        EXPECT_TRUE(test::near(glm::vec3(glm::length(x), glm::length(z), glm::dot(x, worldUp)), glm::vec3(k, k, 0), 1e-6f));
    }
}

