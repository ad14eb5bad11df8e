#include <gen/qt/gl/texture.h>

#include <gen/log/pp.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>

#include <QImageReader>

#include <utility>

namespace gen::qt::gl::texture {

namespace {

// `image` must already be RGBA8888. False when the driver gave no texture
// name or the image exceeds the driver's largest texture (the upload would
// fail silently and leave an empty texture); `id` is then 0.
bool upload_rgba(GL_FUNCTIONS& gl, unsigned int& id, QImage const& image)
{
    GLint maxSize = 0;
    gl.glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (maxSize > 0 && (image.width() > maxSize || image.height() > maxSize)) {
        gen::pp_error("texture::load, $ x $ exceeds GL_MAX_TEXTURE_SIZE $", image.width(),
                      image.height(), static_cast<int>(maxSize));
        return false;
    }
    GLuint name = 0;
    gl.glGenTextures(1, &name);
    if (name == 0) {
        return false;
    }
    gl.glBindTexture(GL_TEXTURE_2D, name);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // RGBA8888 rows are whole multiples of 4 bytes, so the default unpack
    // alignment holds; the bits are read straight from the image.
    gl.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                    GL_UNSIGNED_BYTE, image.constBits());
    gl.glGenerateMipmap(GL_TEXTURE_2D);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    id = name;
    return true;
}

}  // namespace

bool load(GShader& shader, unsigned int& id, QString const& path, QFlags<Qt::Orientation> flip)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        gen::pp_error("Figure::load_texture <<<$>>> failed", path);
        // The deletion needs the context as much as the upload does.
        shader.functions().make_current();
        unload(shader, id);
        return false;
    }
    // In place: the reader's image is not shared, so neither step copies it
    // (an 8k map is 128 MB as RGBA).
    image.mirror(flip.testFlag(Qt::Horizontal), flip.testFlag(Qt::Vertical));
    int const width = image.width();
    int const height = image.height();
    if (load(shader, id, std::move(image))) {
        gen::pp_info("TEXTURE,'$', $.$  ID:$", path, width, height, id);
        return true;
    }
    gen::pp_error("TEXTURE,'$', $.$  ID:$ - NOT LOADED", path, width, height, id);
    return false;
}

bool load(GShader& shader, unsigned int& id, QImage const& image)
{
    return load(shader, id, QImage(image));
}

bool load(GShader& shader, unsigned int& id, QImage&& image)
{
    GL_FUNCTIONS& gl = shader.functions();
    gl.make_current();
    // Converts in place when `image` is the only owner of its pixels, else
    // detaches into one converted copy.
    if (!image.isNull()) {
        image.convertTo(QImage::Format_RGBA8888);
    }
    if (image.isNull()) {
        gen::pp("pp_error::load_texture, img.isNull()");
        return false;
    }
    unload(shader, id);
    return upload_rgba(gl, id, image);
}

void unload(GShader& shader, unsigned int& id)
{
    if (id == 0) {
        return;
    }
    GL_FUNCTIONS& gl = shader.functions();
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    GLuint const old = id;
    gl.glDeleteTextures(1, &old);
    gen::pp("unload, DELETED old texture ID:$", id);
    id = 0;
}

}  // namespace gen::qt::gl::texture
