#include <gen/qt/gl/City.h>

#include <gen/math/sphere.h>
#include <gen/qt/gl/BaseFigure.h>
#include <gen/qt/gl/Camera.h>
#include <gen/tools/xprintf.h>

#include "support/Fuzzy.h"

#include <gtest/gtest.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

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

TEST(City, TableHoldsTheRegionsInOrderWithConsecutiveIds)
{
    unsigned int next = 0;
    std::vector<City> const cities = all_cities(next);
    ASSERT_EQ(cities.size(), 119u);
    EXPECT_EQ(next, 121u);
    for (std::size_t i = 0; i < cities.size(); ++i) {
        EXPECT_EQ(cities[i].id, i + 2) << cities[i].name;
    }
    // Region boundaries, and values stored as the nearest float.
    struct Row { unsigned id; char const* name; float lat; float lon; unsigned citizens; };
    for (Row const& r : {Row{38, "Moscow", 55.7558f, 37.6173f, 12600000},
                         Row{39, "Anchorage", 61.2181f, -149.0003f, 290000},
                         Row{55, "Sana\xE2\x80\x99" "a", 15.3694f, 44.1910f, 2600000},
                         Row{86, "Cairo", 30.0444f, 31.2357f, 10000000},
                         Row{106, "Sydney", -33.8688f, 151.2093f, 5300000},
                         Row{120, "Majuro", 7.0897f, 171.3803f, 30000}}) {
        City const& c = cities[r.id - 2];
        EXPECT_EQ(c.name, r.name);
        EXPECT_EQ(c.lat, r.lat) << r.name;
        EXPECT_EQ(c.lon, r.lon) << r.name;
        EXPECT_EQ(c.citizens, r.citizens) << r.name;
    }
    // Its text, also what `$` prints for it.
    EXPECT_EQ(gen::str::xprintF(0, "city:$", cities.front()), "city:London, ID:2, at lat:51.51, lon:-0.13, citizens:8900000");
    EXPECT_EQ(gen::str::xprintF(0, "city:$", City{}), "city:NOT-VALID");
}

TEST(City, PopulationScaleIsLogarithmicAndClamped)
{
    struct Case { unsigned citizens; float k; };
    for (Case const& c : {Case{137000, 0.005f}, Case{10000, 0.005f}, Case{40000000, 0.04f},
                          Case{std::numeric_limits<unsigned>::max(), 0.04f}, Case{24900000, 0.0371f},
                          Case{30000000, 0.0382f}}) {
        EXPECT_NEAR(glTools::population_scale(c.citizens), c.k, 1e-4f) << c.citizens;
    }
    // Twice the population adds the same to k anywhere inside the range.
    float const step = glTools::population_scale(2000000) - glTools::population_scale(1000000);
    EXPECT_NEAR(glTools::population_scale(20000000) - glTools::population_scale(10000000), step, 1e-6f);
}

TEST(City, CylinderStandsOnThePlanetAndTurnsWithIt)
{
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
        EXPECT_NEAR(glm::length(glm::vec3(m[0])), k, 1e-6f);
        EXPECT_NEAR(glm::length(glm::vec3(m[2])), k, 1e-6f);
        EXPECT_NEAR(glm::dot(glm::vec3(m[0]), worldUp), 0.0f, 1e-6f);
    }
}

TEST(City, NearestCityWithinTheSearchRadius)
{
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
        EXPECT_EQ(found.name, c.expected) << c.where;
        EXPECT_EQ(found.is_valid(), *c.expected != '\0') << c.where;
    }
    // Of cities at the same distance the first in table order wins.
    City twin = mecca;
    twin.name = "twin";
    EXPECT_EQ(City::city_from_coordinate({mecca, twin}, nearMecca).name, "Mecca");
    EXPECT_EQ(City::city_from_coordinate({twin, mecca}, nearMecca).name, "twin");
}

// The planet's start orientation brings latitude 0, longitude 0 to the side
// facing the start camera; picking then names the place under the pointer,
// and still does after the planet has been turned.
TEST(City, PickingFindsThePlaceUnderThePointerHoweverThePlanetIsTurned)
{
    gen::qt::gl::Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    gen::math::ViewPort const vp{800.0f, 600.0f};
    QPoint const centre(400, 300);
    gen::qt::gl::BaseFigure planet;
    planet.set_rotation(0.0, 0.0);
    glm::mat4 const start = planet.matModel;

    EXPECT_EQ(sphere::get_geo_coordinate(cam, vp, centre), glm::vec2(0.0f, 0.0f));
    glm::vec2 const above = sphere::get_geo_coordinate(cam, vp, QPoint(400, 250));
    EXPECT_GT(above.x, 1.0f);
    EXPECT_NEAR(above.y, 0.0f, 1e-4f);
    EXPECT_EQ(sphere::get_geo_coordinate(cam, vp, QPoint(5, 5)), glm::vec2(0.0f, 0.0f));
    EXPECT_EQ(sphere::get_geo_coordinate(cam, gen::math::ViewPort{0.0f, 600.0f}, centre), glm::vec2(0.0f, 0.0f));

    // Turn the planet so that London faces the camera: the centre is London.
    City const& london = by_name("London");
    glm::vec3 const londonAtStart = glm::vec3(start * glm::vec4(sphere::latlon_to_vec(london.lat, london.lon), 0.0f));
    glm::vec3 const axis = glm::cross(londonAtStart, glm::vec3(0.0f, 0.0f, 1.0f));
    float const angle = std::acos(glm::dot(londonAtStart, glm::vec3(0.0f, 0.0f, 1.0f)));
    planet.matModel = glm::rotate(glm::mat4(1.0f), angle, glm::normalize(axis)) * start;
    glm::mat4 const turn = planet.matModel * glm::inverse(start);
    glm::vec2 const picked = sphere::get_geo_coordinate(cam, vp, centre, turn);
    EXPECT_NEAR(picked.x, london.lat, 0.01f);
    EXPECT_NEAR(picked.y, london.lon, 0.01f);
    EXPECT_EQ(City::city_from_coordinate(table(), picked).name, "London");
}
