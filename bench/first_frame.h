#pragma once
// For the start-up runs: when the window's first frame has been painted, the
// program prints that moment on the steady clock and its peak memory so far,
// then quits. The launcher compares the moment with its own reading taken
// just before it started the process.

class QWidget;

namespace sbc::bench {

// The line's form, read back by the launcher:
//   first_frame_ns=<steady clock, ns> peak_rss_kib=<KiB, or -1 if unknown>
void QuitAfterFirstFrame(QWidget& window);

} // namespace sbc::bench
