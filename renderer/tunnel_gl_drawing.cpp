// The tunnel's GL calls; see tunnel_gl_drawing.h. Everything numeric comes from the portable
// flight, geometry and projection; this file only hands the numbers to OpenGL 1.1 in immediate
// mode.
#include "renderer/tunnel_gl_drawing.h"

#include <GL/glu.h>

#include <algorithm>

#include "renderer/projection.h"

namespace renderer {
namespace {

// SetProjection: the viewport, and a 45-degree perspective of its aspect ratio.
void SetProjection(const GlViewport& viewport) {
    const ProjectionShape shape = ProjectionFor(viewport.width, viewport.height);
    glViewport(viewport.x, viewport.y, shape.viewportWidth, shape.viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, shape.aspect, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// One viewport's tube, after the clear.
void DrawTunnelBands(const TunnelFrame& frame) {
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -kEyeDistance);
    for (int j = 0; j < kDrawnBands; ++j) {
        const float nearRow = frame.ringTexRow[j];
        const float farRow = frame.ringTexRow[j + 1];
        const float brightness = BandBrightness(j);
        glColor3f(brightness, brightness, brightness);
        glBegin(GL_QUADS);
        for (int k = 0; k < kSides; ++k) {
            const float sa = AroundTexCoord(k);
            const float sb = AroundTexCoord(k + 1);
            const Vertex& a = frame.grid[k][j];
            const Vertex& b = frame.grid[k + 1][j];
            const Vertex& c = frame.grid[k + 1][j + 1];
            const Vertex& d = frame.grid[k][j + 1];
            glTexCoord2f(sa, nearRow);
            glVertex3f(a.x, a.y, a.z);
            glTexCoord2f(sb, nearRow);
            glVertex3f(b.x, b.y, b.z);
            glTexCoord2f(sb, farRow);
            glVertex3f(c.x, c.y, c.z);
            glTexCoord2f(sa, farRow);
            glVertex3f(d.x, d.y, d.z);
        }
        glEnd();
    }
}

}  // namespace

void SetSceneState() {
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
}

GlTexture UploadCloudTexture(const BitmapRead& bitmap) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);  // band brightness darkens it
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The default unpack alignment of 4 reads padded rows; the buffer covers all of them.
    // The wrap stays GL_REPEAT: the scene's coordinates run past 0 and 1.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, bitmap.width, bitmap.height, GL_RGB, GL_UNSIGNED_BYTE, bitmap.pixels.data());
    return GlTexture(texture);
}

void DrawTunnel(const TunnelFrame& frame, const std::vector<GlViewport>& viewports, HeldProjection& held) {
    // NOTE: one clear of the whole window. A clear limited by the scissor is drawn pixel by pixel
    // in software GL (Mesa's llvmpipe), which cost a third of the frame rate with two monitors.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (size_t i = 0; i < viewports.size(); ++i) {
        const GlViewport& v = viewports[i];
        if (!held || !(*held == v)) {
            SetProjection(v);
            held = v;
        }
        // Drawing stays inside the viewport; only a monitor that overlaps one drawn before it
        // (which Windows never reports, but Wine can) needs its own area cleared again.
        const auto overlapsThis = [&](const GlViewport& earlier) { return ViewportsOverlap(earlier, v); };
        if (std::any_of(viewports.begin(), viewports.begin() + i, overlapsThis)) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(v.x, v.y, v.width, v.height);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDisable(GL_SCISSOR_TEST);
        }
        DrawTunnelBands(frame);
    }
}

}  // namespace renderer
