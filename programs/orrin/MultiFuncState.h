#pragma once
// The planet view's interaction mode: independent flags saying what a left
// drag does. Several may be on at once; the view handles a drag by the first
// one that applies (camera, planet, light, planet about Z). Bit 0 is unused.

#include <QString>

class MultiFuncState {
public:
    static constexpr unsigned int ROTATE_CAM = 0x02;
    static constexpr unsigned int ROTATE_CAM_Z = 0x04;  // labelled only; drags do nothing
    static constexpr unsigned int ROTATE_PLANET = 0x08;
    static constexpr unsigned int ROTATE_PLANET_Z = 0x10;
    static constexpr unsigned int ROTATE_LIGHT = 0x20;
    static constexpr unsigned int LIGHT_FOLLOW_CAM = 0x40;

    void reset() { bits = 0; }
    unsigned int get_bits() const { return bits; }

    bool is_rotation_cam() const { return is_set(ROTATE_CAM); }
    void set_rotation_cam(bool on) { set(ROTATE_CAM, on); }
    bool is_rotation_cam_Z() const { return is_set(ROTATE_CAM_Z); }
    void set_rotation_cam_Z(bool on) { set(ROTATE_CAM_Z, on); }
    bool is_rotation_planet() const { return is_set(ROTATE_PLANET); }
    void set_rotation_planet(bool on) { set(ROTATE_PLANET, on); }
    bool is_rotation_planet_Z() const { return is_set(ROTATE_PLANET_Z); }
    void set_rotation_planet_Z(bool on) { set(ROTATE_PLANET_Z, on); }
    bool is_rotation_light() const { return is_set(ROTATE_LIGHT); }
    void set_rotation_light(bool on) { set(ROTATE_LIGHT, on); }
    bool is_light_follow_cam() const { return is_set(LIGHT_FOLLOW_CAM); }
    void set_light_follow_cam(bool on) { set(LIGHT_FOLLOW_CAM, on); }

    // The set drag modes in bit order joined by " | " ("ROTATE_PLANET |
    // ROTATE_LIGHT"); the light-follows-camera flag is never named. Empty
    // when none is set.
    QString to_string() const;

    bool operator==(MultiFuncState const&) const = default;

private:
    bool is_set(unsigned int bit) const { return (bits & bit) != 0; }
    void set(unsigned int bit, bool on) { bits = on ? (bits | bit) : (bits & ~bit); }

    unsigned int bits = 0;
};
