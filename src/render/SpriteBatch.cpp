#include "render/SpriteBatch.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Built with -ffp-contract=off: every product and sum below is rounded on its
// own, as the fixed-function pipeline rounds them.

namespace {

// The clip-space rectangle a quad lies in. Two upright quads that only
// touch share no pixel: the rasteriser gives a pixel on a shared edge to one
// of them, and the viewport mapping keeps the order of coordinates.
struct Box {
    GLfloat left, top, right, bottom;
    bool overlaps(const Box& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    void include(const Box& o)
    {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
};

// Quads of one texture and colour, drawn by one call.
struct Run {
    std::vector<GLfloat> vertices;  // x, y (clip space), u, v; four per quad
    std::vector<Box> boxes;
    Box bounds{0, 0, 0, 0};
    GLuint texture = 0;
    GLfloat colour[4] = {1, 1, 1, 1};
    bool alone = false;             // takes no other quad
    bool blend = true;
};

const double kPi = 3.14159265358979323846;

// How far back a quad looks for a run of its texture.
const size_t kLookBack = 64;

std::vector<Run> runs; // runs[0 .. used) wait to be drawn, in order
size_t used = 0;
std::vector<GLfloat> allVertices; // the runs one after another, for drawing
GLfloat projection[16] = {}; // read when the first run begins
GLfloat currentColour[4] = {1, 1, 1, 1};
bool oneQuadPerCall = false;
unsigned long calls = 0;
std::vector<bool> opaqueTextures; // by texture name

// The rows of projection x translate(tx, ty) x rotate(cos, sin) that give
// clip x and y, multiplied out in the order of a 4x4 product; a vertex
// (vx, vy, 0, 1) then lands at ((m[0]*vx + m[1]*vy) + m[2]*0) + m[3]*1.
struct Transform {
    GLfloat row[2][4];

    Transform(const GLfloat* p, GLfloat c, GLfloat s, GLfloat tx, GLfloat ty)
    {
        const GLfloat mv[4][4] = {{c, -s, 0, tx}, {s, c, 0, ty}, {0, 0, 1, 0}, {0, 0, 0, 1}};
        for (int i = 0; i < 2; i++) {
            for (int j = 0; j < 4; j++) {
                row[i][j] = p[i] * mv[0][j] + p[4 + i] * mv[1][j] + p[8 + i] * mv[2][j] +
                            p[12 + i] * mv[3][j];
            }
        }
    }

    void apply(GLfloat vx, GLfloat vy, GLfloat* out) const
    {
        for (int i = 0; i < 2; i++)
            out[i] = row[i][0] * vx + row[i][1] * vy + row[i][2] * 0.0f + row[i][3];
    }
};

// Four corners in clip space, x and y each.
struct Corners {
    GLfloat xy[8];

    Box box() const
    {
        Box b{xy[0], xy[1], xy[0], xy[1]};
        for (int i = 2; i < 8; i += 2)
            b.include({xy[i], xy[i + 1], xy[i], xy[i + 1]});
        return b;
    }
};

bool sameColour(const GLfloat* a, const GLfloat* b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
}

bool overlapsAny(const Run& r, const Box& box)
{
    if (!r.bounds.overlaps(box))
        return false;
    for (const Box& b : r.boxes) {
        if (b.overlaps(box))
            return true;
    }
    return false;
}

// The projection of the quads to come, read once per batch.
void readProjection()
{
    if (used == 0 || oneQuadPerCall)
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
}

// The run a quad goes into. It joins the latest run of its texture and
// colour when nothing drawn after that run touches its pixels, so every
// pixel ends as in quad-by-quad drawing; otherwise it starts a run at the
// end. A quad that is `alone` neither joins nor is joined: the rasteriser
// interpolates the texture of a turned quad, or of an upright one whose
// half-sides are odd, a shade differently inside a larger draw than alone.
Run& runFor(GLuint texture, const Box& box, bool alone)
{
    if (oneQuadPerCall)
        SpriteBatch::flush();
    if (!alone && !oneQuadPerCall) {
        for (size_t i = used, looked = 0; i > 0 && looked < kLookBack; i--, looked++) {
            Run& r = runs[i - 1];
            if (!r.alone && r.texture == texture && sameColour(r.colour, currentColour)) {
                r.boxes.push_back(box);
                r.bounds.include(box);
                return r;
            }
            if (overlapsAny(r, box))
                break;
        }
    }
    if (used == runs.size())
        runs.emplace_back();
    Run& r = runs[used++];
    r.vertices.clear();
    r.boxes.assign(1, box);
    r.bounds = box;
    r.texture = texture;
    std::copy(currentColour, currentColour + 4, r.colour);
    r.alone = alone;
    r.blend = !(texture < opaqueTextures.size() && opaqueTextures[texture] &&
                currentColour[3] == 1.0f);
    return r;
}

// Appends a quad whose corners carry the texture rectangle (u0, v0)-(u1, v1)
// in the order first row start, first row end, last row end, last row start.
void add(GLuint texture, const Corners& c, bool alone, GLfloat u0, GLfloat v0, GLfloat u1,
         GLfloat v1)
{
    Box box = c.box();
    if (alone) {
        // A turned quad's edges may pass a pixel centre on its box: keep
        // neighbours two pixels off.
        GLfloat mx = 2 * std::fabs(projection[0]), my = 2 * std::fabs(projection[5]);
        box = {box.left - mx, box.top - my, box.right + mx, box.bottom + my};
    }
    Run& r = runFor(texture, box, alone);
    const GLfloat uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
    for (int i = 0; i < 8; i += 2) {
        const GLfloat vertex[4] = {c.xy[i], c.xy[i + 1], uv[i], uv[i + 1]};
        r.vertices.insert(r.vertices.end(), vertex, vertex + 4);
    }
}

} // namespace

void SpriteBatch::setColour(float r, float g, float b, float a)
{
    currentColour[0] = r;
    currentColour[1] = g;
    currentColour[2] = b;
    currentColour[3] = a;
    glColor4fv(currentColour);
}

void SpriteBatch::addTurnedQuad(GLuint texture, int x, int y, int width, int height, float turn)
{
    if (texture == 0)
        return;
    int halfWidth = width / 2;
    int halfHeight = height / 2;
    // Degrees to radians in double, then single-precision sine and cosine,
    // as the fixed-function rotation does; most quads share the half-turn.
    static float lastTurn = NAN, c = 0, s = 0;
    if (turn != lastTurn) {
        float radians = (float)(turn * kPi / 180.0);
        s = sinf(radians);
        c = cosf(radians);
        lastTurn = turn;
    }
    bool upright = turn == 180.0f && halfWidth % 2 == 0 && halfHeight % 2 == 0;
    readProjection();
    Transform t(projection, c, s, (float)(x + halfWidth), (float)(y + halfHeight));
    float hw = (float)halfWidth, hh = (float)halfHeight;
    Corners corners;
    t.apply(hw, hh, corners.xy);
    t.apply(-hw, hh, corners.xy + 2);
    t.apply(-hw, -hh, corners.xy + 4);
    t.apply(hw, -hh, corners.xy + 6);
    add(texture, corners, !upright, 0, 0, 1, 1);
}

void SpriteBatch::addQuad(GLuint texture, int left, int top, int right, int bottom, float u0,
                          float v0, float u1, float v1)
{
    if (texture == 0)
        return;
    readProjection();
    Transform t(projection, 1, 0, 0, 0);
    Corners corners;
    t.apply((float)left, (float)top, corners.xy);
    t.apply((float)right, (float)top, corners.xy + 2);
    t.apply((float)right, (float)bottom, corners.xy + 4);
    t.apply((float)left, (float)bottom, corners.xy + 6);
    add(texture, corners, false, u0, v0, u1, v1);
}

void SpriteBatch::flush()
{
    if (used == 0)
        return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    // One array for every run, given to GL once: each run is then one call
    // with no other state changed than its texture, colour and blending.
    allVertices.clear();
    for (size_t i = 0; i < used; i++)
        allVertices.insert(allVertices.end(), runs[i].vertices.begin(), runs[i].vertices.end());
    const GLsizei stride = 4 * sizeof(GLfloat);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, stride, allVertices.data());
    glTexCoordPointer(2, GL_FLOAT, stride, allVertices.data() + 2);

    bool blending = true; // blending is on outside the batch
    GLint first = 0;
    for (size_t i = 0; i < used; i++) {
        const Run& r = runs[i];
        if (r.blend != blending) {
            blending = r.blend;
            if (blending)
                glEnable(GL_BLEND);
            else
                glDisable(GL_BLEND);
        }
        if (i == 0 || r.texture != runs[i - 1].texture)
            glBindTexture(GL_TEXTURE_2D, r.texture);
        if (i == 0 || !sameColour(r.colour, runs[i - 1].colour))
            glColor4fv(r.colour);
        GLsizei count = (GLsizei)(r.vertices.size() / 4);
        glDrawArrays(GL_QUADS, first, count);
        first += count;
        calls++;
    }
    used = 0;
    if (!blending)
        glEnable(GL_BLEND);

    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glColor4fv(currentColour);
}

void SpriteBatch::setOpaque(GLuint texture, bool opaque)
{
    if (texture >= opaqueTextures.size())
        opaqueTextures.resize(texture + 1, false);
    opaqueTextures[texture] = opaque;
}

void SpriteBatch::setOneQuadPerCall(bool on)
{
    flush();
    oneQuadPerCall = on;
}

unsigned long SpriteBatch::drawCalls()
{
    return calls;
}
