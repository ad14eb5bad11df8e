#pragma once
// What the resource bundle holds: the body maps with their sizes and the icon
// names (each in the normal, dark/ and green/ sets); also for the contact sheet.

namespace bundle {

struct BodyMap {
    const char* name;
    const char* path;
    int width, height;
};

inline constexpr BodyMap kBodyMaps[] = {
    {"Mercury", ":/wb/img/2k_mercury.jpg", 2048, 1024},  {"Venus", ":/wb/img/2k_venus.jpg", 2048, 1024},
    {"Earth/small", ":/wb/img/1k_earth.jpg", 1024, 512}, {"Earth/medium", ":/wb/img/2k_earth.jpg", 2048, 1024},
    {"Earth/big", ":/wb/img/8k_earth.jpg", 8192, 4096},  {"Moon", ":/wb/img/2k_moon.jpg", 2048, 1024},
    {"Mars", ":/wb/img/2k_mars.jpg", 2048, 1024},        {"Jupiter", ":/wb/img/2k_jupiter.jpg", 2048, 1024},
    {"Saturn", ":/wb/img/2k_saturn.jpg", 2048, 1024},    {"Uranus", ":/wb/img/2k_uranus.jpg", 2048, 1024},
    {"Neptune", ":/wb/img/2k_neptune.jpg", 2048, 1024},  {"Pluto", ":/wb/img/2k_pluto.jpg", 2048, 1024},
};

inline constexpr const char* kIconNames[] = {"expand", "planet", "cylinder", "app", "window",
                                             "wheel",  "delete", "copy",     "minus1"};

}  // namespace bundle
