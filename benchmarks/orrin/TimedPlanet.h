#pragma once
// The planet view with its paint steps exposed, so a benchmark times a frame
// without the buffer swap (which waits for the display).

#include "GLPlanet.h"

class TimedPlanet : public GLPlanet {
public:
    void draw_frame()
    {
        makeCurrent();
        paintGL();
        paintOverGL();
        glFinish();
    }
};
