#include <gen/qt/gl/City.h>

#include <gen/math/sphere.h>
#include <gen/qt/gl/GLMesh.h>
#include <gen/qt/gl/ObjectGraph.h>
#include <gen/qt/gl/mesh_generators.h>
#include <gen/tools/xprintf.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace gen::qt::gl::glTools {

namespace {

struct Row {
    char const* name;
    float lat;
    float lon;
    unsigned int citizens;
};

// Ids 2 to 38 when the regions are built in order from id 2.
constexpr Row k_europe[] = {
    {"London", 51.5074f, -0.1278f, 8900000u},
    {"Paris", 48.8566f, 2.3522f, 2160000u},
    {"Berlin", 52.5200f, 13.4050f, 3700000u},
    {"Rome", 41.9028f, 12.4964f, 2800000u},
    {"Madrid", 40.4168f, -3.7038f, 3300000u},
    {"Vienna", 48.2082f, 16.3738f, 1900000u},
    {"Bern", 46.9480f, 7.4474f, 137000u},
    {"Amsterdam", 52.3676f, 4.9041f, 872000u},
    {"Brussels", 50.8503f, 4.3517f, 1200000u},
    {"Copenhagen", 55.6761f, 12.5683f, 800000u},
    {"Stockholm", 59.3293f, 18.0686f, 975000u},
    {"Oslo", 59.9139f, 10.7522f, 700000u},
    {"Helsinki", 60.1699f, 24.9384f, 660000u},
    {"Dublin", 53.3498f, -6.2603f, 590000u},
    {"Lisbon", 38.7223f, -9.1393f, 545000u},
    {"Prague", 50.0755f, 14.4378f, 1300000u},
    {"Warsaw", 52.2297f, 21.0122f, 1800000u},
    {"Budapest", 47.4979f, 19.0402f, 1750000u},
    {"Athens", 37.9838f, 23.7275f, 3100000u},
    {"Bucharest", 44.4268f, 26.1025f, 1800000u},
    {"Sofia", 42.6977f, 23.3219f, 1200000u},
    {"Belgrade", 44.7866f, 20.4489f, 1400000u},
    {"Zagreb", 45.8150f, 15.9819f, 800000u},
    {"Ljubljana", 46.0569f, 14.5058f, 295000u},
    {"Sarajevo", 43.8563f, 18.4131f, 275000u},
    {"Skopje", 41.9973f, 21.4280f, 530000u},
    {"Tirana", 41.3275f, 19.8187f, 420000u},
    {"Podgorica", 42.4304f, 19.2594f, 185000u},
    {"Pristina", 42.6629f, 21.1655f, 230000u},
    {"Reykjavik", 64.1466f, -21.9426f, 135000u},
    {"Tallinn", 59.4370f, 24.7536f, 445000u},
    {"Riga", 56.9496f, 24.1052f, 605000u},
    {"Vilnius", 54.6872f, 25.2797f, 580000u},
    {"Chisinau", 47.0105f, 28.8638f, 640000u},
    {"Kyiv", 50.4501f, 30.5234f, 2960000u},
    {"Minsk", 53.9006f, 27.5590f, 2000000u},
    {"Moscow", 55.7558f, 37.6173f, 12600000u},
};

// Ids 39 to 54 when the regions are built in order from id 2.
constexpr Row k_america[] = {
    {"Anchorage", 61.2181f, -149.0003f, 290000u},
    {"New York", 40.7128f, -74.0060f, 8800000u},
    {"Los Angeles", 34.0522f, -118.2437f, 3900000u},
    {"Chicago", 41.8781f, -87.6298f, 2700000u},
    {"Toronto", 43.6532f, -79.3832f, 2900000u},
    {"Mexico City", 19.4326f, -99.1332f, 9200000u},
    {"Guatemala City", 14.6349f, -90.5069f, 1000000u},
    {"San Jose", 9.9281f, -84.0907f, 340000u},
    {"Panama City", 8.9824f, -79.5199f, 880000u},
    {"Honolulu", 21.3000f, -157.8580f, 350000u},
    {"Bogota", 4.7110f, -74.0721f, 7400000u},
    {"Lima", -12.0464f, -77.0428f, 9700000u},
    {"Sao Paulo", -23.5505f, -46.6333f, 12300000u},
    {"Rio de Janeiro", -22.9068f, -43.1729f, 6700000u},
    {"Buenos Aires", -34.6037f, -58.3816f, 3100000u},
    {"Santiago", -33.4489f, -70.6693f, 6200000u},
};

// Ids 55 to 85 when the regions are built in order from id 2.
constexpr Row k_asia[] = {
    {"Sana\u2019a", 15.3694f, 44.1910f, 2600000u},
    {"Jeddah", 21.4858f, 39.1925f, 4700000u},
    {"Mecca", 21.3891f, 39.8579f, 2200000u},
    {"Medina", 24.5247f, 39.5692f, 1500000u},
    {"Tokyo", 35.6895f, 139.6917f, 13900000u},
    {"Seoul", 37.5665f, 126.9780f, 9700000u},
    {"Beijing", 39.9042f, 116.4074f, 21500000u},
    {"Shanghai", 31.2304f, 121.4737f, 24900000u},
    {"Hong Kong", 22.3193f, 114.1694f, 7500000u},
    {"Taipei", 25.0330f, 121.5654f, 2600000u},
    {"Bangkok", 13.7563f, 100.5018f, 10500000u},
    {"Singapore", 1.3521f, 103.8198f, 5900000u},
    {"Kuala Lumpur", 3.1390f, 101.6869f, 1800000u},
    {"Jakarta", -6.2088f, 106.8456f, 10600000u},
    {"Manila", 14.5995f, 120.9842f, 13500000u},
    {"Hanoi", 21.0278f, 105.8342f, 8300000u},
    {"Delhi", 28.6139f, 77.2090f, 30000000u},
    {"Mumbai", 19.0760f, 72.8777f, 20700000u},
    {"Bangalore", 12.9716f, 77.5946f, 12300000u},
    {"Kolkata", 22.5726f, 88.3639f, 14900000u},
    {"Karachi", 24.8607f, 67.0011f, 16100000u},
    {"Dhaka", 23.8103f, 90.4125f, 21000000u},
    {"Tehran", 35.6892f, 51.3890f, 9000000u},
    {"Baghdad", 33.3152f, 44.3661f, 8100000u},
    {"Riyadh", 24.7136f, 46.6753f, 7600000u},
    {"Dubai", 25.2048f, 55.2708f, 3600000u},
    {"Jerusalem", 31.7683f, 35.2137f, 950000u},
    {"Kuwait City", 29.3759f, 47.9774f, 3000000u},
    {"Almaty", 43.2220f, 76.8512f, 2100000u},
    {"Tashkent", 41.2995f, 69.2401f, 2900000u},
    {"Bishkek", 42.8746f, 74.5698f, 1100000u},
};

// Ids 86 to 105 when the regions are built in order from id 2.
constexpr Row k_africa[] = {
    {"Cairo", 30.0444f, 31.2357f, 10000000u},
    {"Alexandria", 31.2001f, 29.9187f, 5200000u},
    {"Casablanca", 33.5731f, -7.5898f, 3700000u},
    {"Algiers", 36.7538f, 3.0588f, 3400000u},
    {"Tunis", 36.8065f, 10.1815f, 2700000u},
    {"Lagos", 6.5244f, 3.3792f, 15000000u},
    {"Abidjan", 5.3599f, -4.0083f, 5000000u},
    {"Accra", 5.6037f, -0.1870f, 2500000u},
    {"Dakar", 14.7167f, -17.4677f, 1200000u},
    {"Kinshasa", -4.4419f, 15.2663f, 15600000u},
    {"Brazzaville", -4.2634f, 15.2429f, 2100000u},
    {"Yaounde", 3.8480f, 11.5021f, 4100000u},
    {"Addis Ababa", 8.9806f, 38.7578f, 5200000u},
    {"Nairobi", -1.2921f, 36.8219f, 5100000u},
    {"Kampala", 0.3476f, 32.5825f, 1700000u},
    {"Dar es Salaam", -6.7924f, 39.2083f, 6700000u},
    {"Johannesburg", -26.2041f, 28.0473f, 5900000u},
    {"Pretoria", -25.7479f, 28.2293f, 2400000u},
    {"Cape Town", -33.9249f, 18.4241f, 4600000u},
    {"Durban", -29.8587f, 31.0218f, 3700000u},
};

// Ids 106 to 120 when the regions are built in order from id 2.
constexpr Row k_oceania[] = {
    {"Sydney", -33.8688f, 151.2093f, 5300000u},
    {"Melbourne", -37.8136f, 144.9631f, 5200000u},
    {"Brisbane", -27.4698f, 153.0251f, 2600000u},
    {"Perth", -31.9523f, 115.8613f, 2200000u},
    {"Adelaide", -34.9285f, 138.6007f, 1400000u},
    {"Auckland", -36.8485f, 174.7633f, 1700000u},
    {"Wellington", -41.2865f, 174.7762f, 420000u},
    {"Christchurch", -43.5321f, 172.6362f, 390000u},
    {"Port Moresby", -9.4438f, 147.1803f, 410000u},
    {"Honiara", -9.4456f, 159.9729f, 92000u},
    {"Suva", -18.1248f, 178.4501f, 185000u},
    {"Apia", -13.8500f, -171.7500f, 40000u},
    {"Nuku'alofa", -21.1394f, -175.2049f, 25000u},
    {"Palikir", 6.9170f, 158.1850f, 10000u},
    {"Majuro", 7.0897f, 171.3803f, 30000u},
};
template <std::size_t N>
void append(std::vector<City>& cities, unsigned int& id, Row const (&rows)[N])
{
    for (Row const& row : rows) {
        cities.push_back(City{id++, row.name, row.lat, row.lon, row.citizens});
    }
}

constexpr float kSearchRadius = 0.03f;  // radians of arc, about 191 km on the Earth

}  // namespace

std::string City::to_string() const
{
    if (!is_valid()) {
        return "NOT-VALID";
    }
    return gen::str::xprintF(0, "$, ID:$, at lat:$, lon:$, citizens:$", name, id, lat, lon, citizens);
}

GLMesh* City::create_mesh_cylinder(GShader& shader, ObjectGraph& graph, GLMesh& parent,
                                   glm::vec4 const& colBottom, glm::vec4 const& colTop,
                                   glm::vec4 const& colSide) const
{
    GLMesh& mesh = graph.ensure_mesh(parent, id);
    // The generator appends: start from empty geometry when rebuilding.
    mesh.vertices.clear();
    mesh.indices.clear();
    mesh::create_cylinder(mesh, 0.5f, 0.5f, 0.6f, 32, colBottom, colTop, colSide);
    mesh.create_buffer_bind(shader);
    mesh.name = name;
    mesh.fnTransform = set_population_cylinder(lat, lon, citizens);
    return &mesh;
}

City City::city_from_coordinate(std::vector<City> const& cities, glm::vec2 const& latLon)
{
    glm::vec3 const p = gen::math::sphere::latlon_to_vec(latLon.x, latLon.y);
    City result;
    float best = std::numeric_limits<float>::max();
    // acos only for cities that can be within the radius; the margin keeps
    // every city whose angle rounds to the radius.
    float const minDot = std::cos(kSearchRadius) - 1e-6f;
    for (City const& city : cities) {
        float const dot = glm::dot(p, gen::math::sphere::latlon_to_vec(city.lat, city.lon));
        if (dot < minDot) {
            continue;
        }
        float const angle = std::acos(std::clamp(dot, -1.0f, 1.0f));
        if (angle <= kSearchRadius && angle < best) {
            result = city;
            best = angle;
        }
    }
    return result;
}

void create_cities_europe(std::vector<City>& cities, unsigned int& id) { append(cities, id, k_europe); }
void create_cities_america(std::vector<City>& cities, unsigned int& id) { append(cities, id, k_america); }
void create_cities_asia(std::vector<City>& cities, unsigned int& id) { append(cities, id, k_asia); }
void create_cities_africa(std::vector<City>& cities, unsigned int& id) { append(cities, id, k_africa); }
void create_cities_oceania(std::vector<City>& cities, unsigned int& id) { append(cities, id, k_oceania); }

float population_scale(unsigned int citizens)
{
    // ln(137000) and ln(40000000) - ln(137000).
    float const c = std::clamp(static_cast<float>(citizens), 137000.0f, 40000000.0f);
    return (std::log(c) - 11.827736f) / 5.676655f * 0.035f + 0.005f;
}

std::function<glm::mat4(glm::mat4)> set_population_cylinder(float lat, float lon, unsigned int citizens)
{
    float const k = population_scale(citizens);
    glm::mat4 const local = glm::scale(gen::math::sphere::latlon_to_matrix(lat, lon), glm::vec3(k, 0.25f, k));
    return [local](glm::mat4 parent) { return parent * local; };
}

}  // namespace gen::qt::gl::glTools
