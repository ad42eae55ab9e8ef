// Runs a row loop on the machine's cores: the rows are cut into contiguous
// bands, one per core, and the caller's function fills each band on its own.
// Used by whole-picture passes and the PNG codec; the function must write only
// inside its band, so the result never depends on how many cores ran it.
#pragma once

#include <functional>

namespace quill {

// Calls work(begin, end) over [0, rows) split into bands of at least minRows
// rows: a small job runs inline, as starting a thread costs more than it does.
void forEachBand(int rows, int minRows, const std::function<void(int begin, int end)> &work);

// Whole-picture passes: bands only once a pass outgrows the caches.
int minRowsForPass(int width);

// How many bands forEachBand cuts a large job into (the cores it may use).
int bandCount();
// Forces that many bands on every job however small (0 goes back to the
// machine's count and the size rule); tests compare one band with many.
void setBandCount(int count);

} // namespace quill
