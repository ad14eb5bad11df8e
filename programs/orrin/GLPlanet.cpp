#include "GLPlanet.h"

#include <gen/log/pp.h>
#include <gen/math/sphere.h>
#include <gen/qt/GApp.h>
#include <gen/qt/gl/colors.h>
#include <gen/qt/gl/mesh_generators.h>
#include <gen/qt/gl/texture.h>
#include <gen/qt/themes.h>
#include <gen/tools/os.h>
#include <gen/tools/strings.h>

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace gl = gen::qt::gl;
using gen::qt::gl::glTools::City;

GLPlanet::GLPlanet()
{
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    camOrigin = cam;
    camSaved = cam;
    light.vPos = glm::vec3(1.0f, 1.0f, 5.0f);
    light.vColor = glm::vec3(1.0f, 1.0f, 1.0f);
    light.intensity = 1.0f;
    lightSaved = light;
    if (gen::qt::gApp != nullptr) {
        zoomEntry = gen::qt::gApp->lisZoom += [this](float const& factor) {
            cam.set_fov_zoom((factor - 1.0f) * 5.0f);
            timeBarrier.set_active(600);
            update();
        };
    }
}

GLPlanet::~GLPlanet()
{
    // The base's destructor reaches only the base's part.
    GLPlanet::release_gl();
    // The application outlives its views: a pinch after this view is gone
    // must not reach it.
    if (gen::qt::gApp != nullptr && !zoomEntry.empty()) {
        gen::qt::gApp->lisZoom.remove(zoomEntry);
    }
}

void GLPlanet::ini_gl()
{
    // Driver check, depth state, black clear colour and the shader program.
    if (!standard_gl_setup(Qt::black)) {
        gen::pp_error("GLPlanet::initializeGL, problems with gl");
        return;
    }
    gen::pp("GLPlanet::initializeGL - OK");
    if (!gen::os::is_wasm()) {
        char const* vendor = gl_text(GL_VENDOR);
        char const* renderer = gl_text(GL_RENDERER);
        gen::pp_info("GL_VERSION: $", gl_text(GL_VERSION));
        gen::pp_info("GL_VENDOR:   $", vendor != nullptr ? vendor : "");
        if (renderer != nullptr) {
            gen::pp_info("GL_RENDERER: $", renderer);
        }
    }
    mfState.set_rotation_cam(true);
    mfState.set_light_follow_cam(true);
    camSaved = cam;
    lightSaved = light;

    gl::GLMesh& root = graph.ensure_root();
    gl::mesh::create_sphere(root, 1.0f, 60, 60, gl::col::green);
    if (!root.load_texture(shader, sTexture, Qt::Horizontal)) {
        report_start_texture_failed(sTexture);
    }
    root.create_buffer_bind(shader);
    root.set_rotation(0.0, 0.0);
    root.name = "earth";

    unsigned int id = 2;
    gl::glTools::create_cities_europe(cities, id);
    gl::glTools::create_cities_america(cities, id);
    gl::glTools::create_cities_asia(cities, id);
    gl::glTools::create_cities_africa(cities, id);
    gl::glTools::create_cities_oceania(cities, id);
    for (City const& city : cities) {
        city.create_mesh_cylinder(shader, graph, root, gl::col::green, gl::col::gray, gl::col::yellow)
            ->idRollOver = kHighlightId;
    }
    City const zero{kHighlightId, "zero", 0.0f, 0.0f, 10000000};
    gl::GLMesh* highlight = zero.create_mesh_cylinder(shader, graph, root, gl::col::green, gl::col::red, gl::col::blue);
    highlight->set_clone(true);
    gen::pp("city mesh:$", highlight);
    gen::pp_info("CITIES:$", id - 1);
    graph.transform();
    ini_other();
    gen::pp("GLPlanet::~initializeGL");
}

void GLPlanet::ini_other()
{
    trackBall.lisRotation += [this](glm::mat4 const&) {
        if (!lisViewChanged.empty()) {
            lisViewChanged.fire_event();
        }
        update();
    };
}

void GLPlanet::report_start_texture_failed(QString const& path)
{
    gen::pp_error("GLEarth::initializeGL, problems *** loading texture <<<$>>>", path);
    gen::pp_error("$", path);
}

void GLPlanet::release_gl()
{
    AbstractGLComponent::release_gl();  // leaves the context current when it had one
    textureLoad.release(context() != nullptr && QOpenGLContext::currentContext() == context());
}

bool GLPlanet::load_texture_later(QString const& path, std::function<void(bool)> done)
{
    if (!isValid() || shader.programId == 0) {
        gen::pp_error("Figure::load_texture <<<$>>> failed", path);
        if (done) {
            done(false);
        }
        return false;
    }
    textureLoad.load(
        path, Qt::Horizontal,
        [this, done](unsigned int id) {
            gl::GLMesh& root = graph.get_root();
            if (root) {
                gl::texture::unload(shader, root.idTexture);
                root.idTexture = id;
            } else {
                gl::texture::unload(shader, id);  // no sphere to carry it
            }
            update();
            if (done) {
                done(true);
            }
        },
        [done]() {
            if (done) {
                done(false);
            }
        });
    return true;
}

gen::math::ViewPort GLPlanet::get_viewport() const
{
    return {static_cast<float>(width()), static_cast<float>(height())};
}

glm::mat4 GLPlanet::start_orientation()
{
    // Asked on every hover: computed once.
    static glm::mat4 const start = [] {
        gl::BaseFigure figure;
        figure.set_rotation(0.0, 0.0);
        return figure.matModel;
    }();
    return start;
}

glm::mat4 GLPlanet::get_planet_turn()
{
    glm::mat4 const model = graph.get_root().matModel;
    glm::mat4 const start = start_orientation();
    // Exactly the identity in the start orientation, so picking there is the
    // plain world-frame picking bit for bit.
    return model == start ? glm::mat4(1.0f) : model * glm::inverse(start);
}

void GLPlanet::resizeGL(int w, int h)
{
    // Qt sets the device-pixel viewport before every paint; this keeps a
    // direct paint outside Qt's cycle (e.g. a grab) covering the whole window
    // on scaled screens too.
    gen::math::ViewPort const vp{static_cast<float>(w), static_cast<float>(h)};
    float const ratio = static_cast<float>(devicePixelRatio());
    if (QOpenGLContext::currentContext() == context() && context() != nullptr) {
        gl_Viewport(gen::math::ViewPort{vp.width * ratio, vp.height * ratio});
    }
    gen::pp_trace("GLPlanet::resizeGL, viewPort:$", vp);
}

glm::mat4 GLPlanet::get_projection() const
{
    float aspect = static_cast<float>(width()) / static_cast<float>(height());
    if (!std::isfinite(aspect)) {
        aspect = 1.0f;
    }
    float const f = 1.0f / std::tan(glm::radians(cam.fov) / 2.0f);
    glm::mat4 projection(0.0f);
    projection[0][0] = f / aspect;
    projection[1][1] = f;
    projection[2][2] = -(cam.zFar + cam.zNear) / (cam.zFar - cam.zNear);
    projection[2][3] = -1.0f;
    projection[3][2] = -(2.0f * cam.zFar * cam.zNear) / (cam.zFar - cam.zNear);
    return projection;
}

QPointF GLPlanet::project(glm::vec3 const& planetPoint)
{
    glm::vec4 const clip = get_projection() * cam.get_view_matrix() * graph.get_root().matModel *
                           glm::vec4(planetPoint, 1.0f);
    gen::math::ViewPort const vp = get_viewport();
    return {(clip.x / clip.w + 1.0f) / 2.0f * vp.width, (1.0f - clip.y / clip.w) / 2.0f * vp.height};
}

void GLPlanet::paintGL()
{
    ++counterPaint;
    gen::pp_trace("GLEarth::paintGL, counterPaint:$", counterPaint);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    // Every mesh is closed and winds its outside faces alike: the far side
    // of the sphere and of each cylinder need not be rasterised at all.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    shader.use();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    shader.set_light_pos(light.vPos);
    shader.set_light_color(light.vColor);
    shader.set_light_itensity(light.intensity);
    graph.render(shader, get_projection(), cam.get_view_matrix());
    // The overlay painter draws its glyphs with either winding.
    glDisable(GL_CULL_FACE);
}

void GLPlanet::paintOverGL()
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.save();
    if (seeCoordinates && !sGeoInfo.isEmpty()) {
        painter.save();
        painter.setFont(gen::qt::themes::get_mono_font());
        QFont measured = painter.font();
        measured.setPixelSize(16);
        if (measured.pixelSize() <= 0) {
            measured.setPointSize(18);
        }
        QRect text = QFontMetrics(measured).boundingRect(sGeoInfo);
        text.moveTopLeft(QPoint(20, 20));
        QRect const box(QPoint(14, 14), QPoint(text.right() + 6, text.bottom() + 6));
        painter.fillRect(box, QColor(255, 255, 255, 128));
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, sGeoInfo);
        painter.restore();
    }
    painter.setPen(QPen(Qt::red, 1));
    QPointF const m = get_viewport().middle();
    painter.drawLine(QPointF(m.x(), m.y() - 20), QPointF(m.x(), m.y() + 20));
    painter.drawLine(QPointF(m.x() - 20, m.y()), QPointF(m.x() + 20, m.y()));
    painter.restore();
}

void GLPlanet::reset_view_and_model()
{
    cam = camOrigin;
    light.vPos = glm::vec3(1.0f, 1.0f, 5.0f);
    camSaved = camOrigin;
    lightSaved = light;
    graph.get_root().set_rotation(0.0, 0.0);
    graph.transform();
}

void GLPlanet::show_geo_coordinate(QPoint const& point)
{
    glm::vec2 const g = gen::math::sphere::get_geo_coordinate(cam, get_viewport(), point, get_planet_turn());
    gen::pp_trace("GLPlanet::show_geo_coordinate, pos: $", g);
    graph.clear_roll_over();
    City const city = City::city_from_coordinate(cities, g);
    if (city) {
        gen::pp_trace("city:$", city);
        sGeoInfo = QString::fromStdString(gen::str::xprintF(0, "$, citizen :$, lat:$, lon:$", city.name,
                                                            gen::str::format_1000(city.citizens), city.lat,
                                                            city.lon));
        graph.get_mesh(city.id).set_rollover(true);
    } else {
        sGeoInfo = QString::fromStdString(gen::str::xprintF(0, "$", g));
    }
    transform_and_update();
}

void GLPlanet::transform_and_update()
{
    graph.transform();
    update();
}
