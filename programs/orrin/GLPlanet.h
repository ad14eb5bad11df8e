#pragma once
// The program's one GL view: a textured, lit unit sphere with the city
// cylinders standing on it, a box with the coordinate or city under the
// pointer and a red cross-hair in the middle. Pointer input turns the camera,
// the planet or the light (see MultiFuncState); hovering picks the place and
// highlights the nearest city. The main window reaches into the members
// directly, so they are public. GUI thread only.

#include "MultiFuncState.h"

#include <gen/Listener.h>
#include <gen/math/ViewPort.h>
#include <gen/qt/event/DeltaMouse.h>
#include <gen/qt/event/TimeBarrier.h>
#include <gen/qt/gl/AbstractGLComponent.h>
#include <gen/qt/gl/BackgroundTexture.h>
#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/City.h>
#include <gen/qt/gl/GTrackBall.h>
#include <gen/qt/gl/Light.h>

#include <QPoint>
#include <QPointF>
#include <QString>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <functional>
#include <vector>

class QMouseEvent;
class QWheelEvent;

class GLPlanet : public gen::qt::gl::AbstractGLComponent {
public:
    // Id of the cylinder drawn in place of a hovered city's own.
    static constexpr unsigned int kHighlightId = 1000;

    GLPlanet();
    ~GLPlanet() override;

    // GL set-up with the context current: driver check, state, shader, the
    // sphere with its texture, the city table and its cylinders.
    void ini_gl() override;
    // Makes every new trackball rotation fire lisViewChanged and repaint.
    void ini_other();
    // Also drops a texture load under way, deleting its half-filled texture.
    void release_gl() override;

    // Loads the sphere's texture from `path` off the GUI thread and swaps it
    // in, in one frame, when it is complete; the sphere keeps its texture
    // until then, and when the load fails. The last call wins: earlier
    // unfinished loads are dropped without a word. `done` runs with the
    // result unless the load was dropped. A view without its GL set-up
    // fails at once: ERROR line, done(false), false.
    bool load_texture_later(QString const& path, std::function<void(bool)> done = {});
    // The two ERROR lines of a start texture (stored with the window) that
    // could not be loaded.
    static void report_start_texture_failed(QString const& path);
    bool is_loading_texture() const { return textureLoad.busy(); }

    // Restores the start camera, light position and planet orientation.
    // Requests no repaint.
    void reset_view_and_model();
    // Picks the place under `point` (logical pixels), highlights the nearest
    // city and sets the overlay text; repaints.
    void show_geo_coordinate(QPoint const& point);
    // One step of the orbital flight: the camera orbits as if dragged a few
    // pixels to the right from the centre.
    void anim_rotation();

    // The view's size in logical pixels, the frame of pointer positions.
    gen::math::ViewPort get_viewport() const;
    // The planet's rotation relative to its start orientation.
    glm::mat4 get_planet_turn();
    // The projection paintGL draws with: the camera's field of view and
    // planes, the view's aspect (1 when that is not finite).
    glm::mat4 get_projection() const;
    // Where a point given in the planet's own frame (e.g. latlon_to_vec of a
    // place) appears in the view, in logical pixels from the top-left.
    QPointF project(glm::vec3 const& planetPoint);

    // graph (the base's): the sphere is its root, the cylinders its children.
    gen::qt::gl::Camera cam{};
    gen::qt::gl::Light light{};
    gen::qt::gl::Light lightSaved{};
    gen::qt::gl::Camera camSaved{};
    MultiFuncState mfState;
    gen::Listener<gen::NO_PAYLOAD> lisDoubleClick;
    gen::Listener<QMouseEvent*> lisMousePress;
    gen::qt::event::DeltaMouse deltaMouse;
    gen::qt::gl::GTrackBall trackBall;
    QString sTexture = QStringLiteral(":/wb/img/8k_earth.jpg");
    QString sGeoInfo;
    gen::Listener<gen::NO_PAYLOAD> lisViewChanged;
    bool seeCoordinates = true;
    std::vector<gen::qt::gl::glTools::City> cities;
    gen::qt::event::TimeBarrier timeBarrier;
    unsigned int counterPaint = 0;
    // The sphere's texture on its way in (load_texture_later).
    gen::qt::gl::texture::BackgroundTexture textureLoad{shader};

    // The start camera, shared by all views: every construction writes the
    // same value, reset_view_and_model reads it.
    static inline gen::qt::gl::Camera camOrigin{};

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void paintOverGL() override;

private:
    // The root sphere's matrix in its start orientation.
    static glm::mat4 start_orientation();
    // graph.transform() and a repaint.
    void transform_and_update();
    // The camera (and a head light) moved as the trackball's rotation since
    // the press says: the scene seems turned the way the pointer went.
    void orbit_camera();

    std::string zoomEntry;  // this view's entry in the application's pinch listener

};
