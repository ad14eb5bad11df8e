#pragma once
// Turns a pointer drag over the unit sphere at the world origin into a
// rotation of a model matrix that keeps the grabbed surface point under the
// pointer. Camera, viewport and model are snapshots taken when the drag
// begins; each successful step fires lisRotation with the new matrix.
// Pointer positions off the sphere give no rotation at all. GUI thread only.

#include <gen/Listener.h>
#include <gen/math/ViewPort.h>
#include <gen/qt/event/DragState.h>
#include <gen/qt/gl/Camera.h>

#include <QPoint>

#include <optional>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

namespace gen::qt::gl {

class GTrackBall : public gen::qt::event::DragState {
public:
    GTrackBall() = default;
    GTrackBall(GTrackBall const&) = delete;
    GTrackBall& operator=(GTrackBall const&) = delete;
    ~GTrackBall() override = default;

    // Starts a drag at `pos`; the caller ensures viewPort.is_valid().
    void begin_trackBall(Camera const& cam, gen::math::ViewPort const& vp, glm::mat4 const& model,
                         QPoint const& pos);
    // Records `pos`; when both the begin and the current ray hit the sphere
    // and the hits differ, matCurrent = R x matBegin and lisRotation fires
    // (immediately). Otherwise nothing changes.
    void drag(QPoint const& pos) override;
    // Records `pos` and the end phase; the matrices stay.
    void end(QPoint const& pos) override;
    // Phase and points cleared, both matrices identity.
    void reset() override;

    // (longitude, latitude) in degrees, in the model's own frame, of the
    // sphere point at the centre of the view; (0, 0) when the centre ray misses.
    static glm::vec2 get_geo_pos(Camera const& cam, gen::math::ViewPort const& vp,
                                 glm::mat4 const& model);
    // As get_geo_pos with the longitude L folded: 180 - L for L > 0,
    // -(L + 180) for L < 0, 0 stays 0.
    static glm::vec2 get_geo_pos_normalized(Camera const& cam, gen::math::ViewPort const& vp,
                                            glm::mat4 const& model);
    // The longitude folding of get_geo_pos_normalized, in degrees.
    static float fold_longitude(float longitude);

    gen::Listener<glm::mat4> lisRotation;
    gen::math::ViewPort viewPort;
    Camera camera{};  // scalar fields 0 until the first drag
    glm::mat4 matBegin{1.0f};
    glm::mat4 matCurrent{1.0f};

private:
    // The start point the cached ray data below belong to; empty after
    // begin_trackBall and reset, so the next drag casts afresh.
    std::optional<QPoint> castFor;
    glm::mat4 invProjView{1.0f};
    std::optional<glm::vec3> hitBegin;
};

}  // namespace gen::qt::gl
