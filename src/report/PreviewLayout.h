// The viewer's on-screen table: 18 publishers at a time, no title lines and no
// telephone column, remarks clipped rather than shortened.
#pragma once

#include "report/Surface.h"

namespace kolekt {
class CollectionStore;
}

namespace kolekt::report {

inline constexpr int kPreviewRows = 18;

struct PreviewView {
    int month = 0;
    int first = 0; // publishers before the first row shown
    int end = 0;   // offset just after the last publisher shown
};

// Draws the view into the rectangle with top-left (x, y), width w and height h, in pixels.
void paintPreview(Surface& surface, const CollectionStore& store, const PreviewView& view, int x,
                  int y, int w, int h);

} // namespace kolekt::report
