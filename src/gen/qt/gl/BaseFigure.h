#pragma once
// Common base of everything placed in a scene: a key, a parent key, state
// bits and a model matrix. CPU-only; GL work lives in the subclasses' render
// and clear overrides.

#include <gen/Nameable.h>
#include <gen/tools/GBits.h>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <string>

namespace gen::qt::gl {

class GShader;

class BaseFigure : public gen::Nameable {
public:
    // State bits; bit value 1 is not used.
    static constexpr unsigned int VALID = 2;
    static constexpr unsigned int VISIBLE = 4;
    static constexpr unsigned int HAS_GPU = 8;
    static constexpr unsigned int ROLL_OVER = 16;
    static constexpr unsigned int SELECTED = 32;
    static constexpr unsigned int CLONE = 64;

    BaseFigure() = default;
    ~BaseFigure() override = default;
    BaseFigure(BaseFigure const&) = default;
    BaseFigure& operator=(BaseFigure const&) = default;
    BaseFigure(BaseFigure&&) = default;
    BaseFigure& operator=(BaseFigure&&) = default;

    // Draws the figure with the current program; needs the GL context current.
    // Does nothing here.
    virtual void render(GShader& shader);
    // Releases GL objects and geometry; needs the GL context current.
    // Does nothing here.
    virtual void clear(GShader& shader);
    virtual std::string to_string() const;

    // Replaces matModel by the absolute orientation Rx(yDegrees) * Ry(90 - xDegrees).
    void set_rotation(double xDegrees, double yDegrees);
    // Turns the figure further by `degrees` about the world axis vAxis
    // (normalised here): matModel = R * matModel.
    void set_rotation(float degrees, glm::vec3 const& vAxis);

    bool is_valid() const { return state.is_set(VALID); }
    void set_valid(bool on) { state.set_bits(VALID, on); }
    bool is_visible() const { return state.is_set(VISIBLE); }
    void set_visible(bool on) { state.set_bits(VISIBLE, on); }
    bool has_GPU() const { return state.is_set(HAS_GPU); }
    void set_has_GPU(bool on) { state.set_bits(HAS_GPU, on); }
    bool is_rollover() const { return state.is_set(ROLL_OVER); }
    void set_rollover(bool on) { state.set_bits(ROLL_OVER, on); }
    bool is_clone() const { return state.is_set(CLONE); }
    void set_clone(bool on) { state.set_bits(CLONE, on); }
    bool is_zero() const { return state.is_zero(); }
    void set_zero() { state.set_zero(); }

    // "ZERO", or the names of the set bits each followed by " | ".
    std::string state_to_string() const;
    static std::string state_to_string(gen::GBits<unsigned int> const& bits);

    unsigned int id = 0;        // key in the graph; 0 is never a valid key
    unsigned int idParent = 0;  // 0 for none
    gen::GBits<unsigned int> state;
    glm::mat4 matModel{1.0f};   // object to world
};

}  // namespace gen::qt::gl
