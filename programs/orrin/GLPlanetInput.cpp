// Pointer, wheel and orbital-flight handling of the planet view.

#include "GLPlanet.h"

#include <gen/log/pp.h>
#include <gen/math/sphere.h>
#include <gen/qt/GApp.h>
#include <gen/qt/event/Event.h>
#include <gen/tools/convert.h>

#include <QMouseEvent>
#include <QWheelEvent>

#include <glm/gtc/quaternion.hpp>

#include <algorithm>

namespace ev = gen::qt::event;
using gen::qt::gl::glTools::City;

void GLPlanet::mousePressEvent(QMouseEvent* event)
{
    if (!timeBarrier.is_allowed_to_pass()) {
        gen::pp("GLEarth::mousePressEvent - time barrier");
        event->ignore();
        return;
    }
    if (!lisMousePress.empty()) {
        lisMousePress.fire_event(event);
    }
    deltaMouse.reset();
    if (gen::qt::gApp != nullptr) {
        gen::qt::gApp->reset_touch_automat();
    }
    gen::math::ViewPort const vp = get_viewport();
    if (!vp.is_valid()) {
        gen::pp_error("GLPlanet::mousePressEvent, viewport not valid");
        return;
    }
    QPoint const pos = event->position().toPoint();
    if (ev::mouse::is_left(event) && ev::mod::is_ctrl(event)) {
        gen::pp("GLPlanet::mousePressEvent");
        glm::vec2 const g = gen::math::sphere::get_geo_coordinate(cam, vp, pos, get_planet_turn());
        City const city = City::city_from_coordinate(cities, g);
        if (city) {
            gen::pp("city found:$", city);
        } else {
            gen::pp("NOT found");
        }
    } else if (ev::mouse::is_left(event)) {
        trackBall.reset();
        if (mfState.is_rotation_cam()) {
            gen::pp("ROTATE_CAM");
            trackBall.begin_trackBall(cam, vp, glm::mat4(1.0f), pos);
            camSaved = cam;
        }
        if (mfState.is_rotation_planet()) {
            trackBall.begin_trackBall(cam, vp, graph.get_root().matModel, pos);
        }
        if (mfState.is_rotation_light()) {
            trackBall.begin_trackBall(cam, vp, glm::mat4(1.0f), pos);
            lightSaved = light;
        }
    }
    transform_and_update();
}

void GLPlanet::mouseMoveEvent(QMouseEvent* event)
{
    QPoint const pos = event->position().toPoint();
    if (!ev::mouse::is_any_button(event)) {
        show_geo_coordinate(pos);
        return;
    }
    if (!timeBarrier.is_allowed_to_pass()) {
        gen::pp_trace("GLEarth::mouseMoveEvent - time barrier");
        event->ignore();
        return;
    }
    if (!get_viewport().is_valid()) {
        gen::pp_error("GLPlanet::mouseMoveEvent, viewport not valid");
        return;
    }
    if (!ev::mouse::is_left(event) || ev::mod::is_any_meta(event)) {
        transform_and_update();
        return;
    }
    bool const dragging = trackBall.is_begin() || trackBall.is_drag();
    if (mfState.is_rotation_cam()) {
        if (dragging) {
            trackBall.drag(pos);
            orbit_camera();
            gen::pp_trace("ROTATE CAM, pos:$", cam.vPos);
        }
    } else if (mfState.is_rotation_planet()) {
        gen::pp_trace("ROTATE PLANET");
        if (dragging) {
            trackBall.drag(pos);
            graph.get_root().matModel = trackBall.matCurrent;
            graph.transform();
        }
    } else if (mfState.is_rotation_light()) {
        gen::pp_trace("ROTATE LIGHT, mouse at:$", pos);
        if (dragging) {
            trackBall.drag(pos);
            light.vPos = glm::vec3(trackBall.matCurrent * glm::vec4(lightSaved.vPos, 0.0f));
        }
    } else if (mfState.is_rotation_planet_Z()) {
        gen::pp_trace("GLEarth::mouseMoveEvent, rotate z, mouse at:$", pos);
        deltaMouse.from_point(pos);
        float const dx = gen::convert::to_Vector2(deltaMouse.delta_last()).x;
        if (dx != 0.0f) {
            graph.get_root().set_rotation(dx * 0.5f, glm::normalize(cam.vPos));
        }
    }
    transform_and_update();
}

void GLPlanet::mouseReleaseEvent(QMouseEvent* event)
{
    if (!timeBarrier.is_allowed_to_pass()) {
        gen::pp("GLEarth::mouseReleaseEvent - time barrier");
        event->ignore();
        return;
    }
    if (!get_viewport().is_valid()) {
        gen::pp_error("GLPlanet::mouseReleaseEvent, viewport not valid");
        return;
    }
    deltaMouse.reset();
    trackBall.reset();
    graph.transform();
}

void GLPlanet::mouseDoubleClickEvent(QMouseEvent*)
{
    gen::pp("GLPlanet::mouseDoubleClickEvent");
    if (!lisDoubleClick.empty()) {
        lisDoubleClick.fire_event();
    }
}

void GLPlanet::wheelEvent(QWheelEvent* event)
{
    float d = 0.0f;
    if (event->angleDelta().y() != 0) {
        d = static_cast<float>(event->angleDelta().y()) / 120.0f;
    } else if (event->pixelDelta().y() != 0) {
        d = static_cast<float>(event->pixelDelta().y()) / 60.0f;
    }
    if (d == 0.0f) {
        event->ignore();
        return;
    }
    cam.set_fov_zoom(d);
    update();
}

void GLPlanet::anim_rotation()
{
    gen::math::ViewPort const vp = get_viewport();
    if (!vp.is_valid()) {
        gen::pp_error("GLPlanet::anim_rotation, viewport not valid");
        return;
    }
    trackBall.reset();
    mfState.set_rotation_cam(true);
    QPoint const m = vp.middle().toPoint();
    trackBall.begin_trackBall(cam, vp, glm::mat4(1.0f), m);
    camSaved = cam;
    float const step = std::max(1.0f, vp.width * 0.000523599f / glm::radians(cam.fov));
    trackBall.drag(QPoint(static_cast<int>(static_cast<float>(m.x()) + step), m.y()));
    orbit_camera();
    trackBall.reset();
    update();
}

void GLPlanet::orbit_camera()
{
    cam.qRotation = glm::inverse(glm::quat_cast(trackBall.matCurrent)) * camSaved.qRotation;
    cam.update_position();
    if (mfState.is_light_follow_cam()) {
        light.vPos = cam.vPos;
    }
}
