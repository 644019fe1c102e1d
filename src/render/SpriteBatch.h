#pragma once
// Every textured quad of the game goes through here: quads are appended to
// client-side vertex arrays and drawn with one glDrawArrays per run of quads
// that share texture, colour and blending (OpenGL 1.1, no shaders, no
// extensions). A quad joins an earlier run only when nothing drawn after
// that run touches its pixels, so the picture is the one quad-by-quad
// drawing gives.
//
// The corners are transformed here exactly as the fixed-function pipeline
// transformed them when each quad was drawn under its own translate and
// rotate: the same single-precision sums in the same order. The batch is then
// drawn with identity matrices, so the rasteriser sees the same coordinates.
//
// Pending quads must reach the screen before anything that clears, shows or
// reads the frame buffer, or changes the viewport: call flush() there.
#include <GL/gl.h>

namespace SpriteBatch {

// The colour that tints the quads added next. It is also made the GL
// current colour, and is that again after every flush.
void setColour(float r, float g, float b, float a = 1.0f);

// A width x height quad of `texture` whose centre lies half the size right
// of and below (x, y), turned by `turn` degrees about that centre. The image
// is laid out turned half round (its first row along the bottom edge):
// only a half-turn shows it upright. Texture 0 draws nothing.
void addTurnedQuad(GLuint texture, int x, int y, int width, int height, float turn);

// An unturned quad with corners (left, top) and (right, bottom) and the
// texture rectangle (u0, v0)-(u1, v1) at those corners.
void addQuad(GLuint texture, int left, int top, int right, int bottom, float u0, float v0,
             float u1, float v1);

// Whether every texel of `texture` is fully opaque: its quads, when not made
// translucent by the colour, are drawn without blending, which gives the
// same pixels for less work. Told at upload and again (false) at deletion,
// since the name may be given out again.
void setOpaque(GLuint texture, bool opaque);

// Draws what is pending.
void flush();

// Debugging switch: when set, every quad is drawn by a call of its own.
void setOneQuadPerCall(bool on);

// glDrawArrays calls made so far, for measuring.
unsigned long drawCalls();

} // namespace SpriteBatch
