#pragma once
// 2D textures of meshes, created and deleted through a shader's function
// table. Loading makes the owning window's context current itself (through
// the table's make_current hook), so it works from menu actions as well as
// from the paint callbacks.

#include <QFlags>
#include <QImage>
#include <QString>
#include <Qt>

namespace gen::qt::gl {
class GShader;
}

namespace gen::qt::gl::texture {

// Reads an image file or resource, mirrors it by `flip` and uploads it as a
// new mipmapped texture whose name replaces `id` (the old texture is
// deleted). On an unreadable file: ERROR line, the old texture is deleted,
// `id` becomes 0, false.
bool load(GShader& shader, unsigned int& id, QString const& path, QFlags<Qt::Orientation> flip);

// Uploads `image` (converted to RGBA8888; its first row becomes texture row
// t = 0) as a new mipmapped texture replacing `id`. A null image leaves `id`
// and its texture alone and gives false. The rvalue form converts in place
// instead of copying.
bool load(GShader& shader, unsigned int& id, QImage const& image);
bool load(GShader& shader, unsigned int& id, QImage&& image);

// Deletes texture `id` unless it is 0 and sets `id` to 0. Needs the context
// current.
void unload(GShader& shader, unsigned int& id);

}  // namespace gen::qt::gl::texture
