#pragma once

namespace turnix::bench {

// The one Qt application of the run, made on first use: a QApplication, so
// that widgets can be timed as well as text layout, offscreen unless
// QT_QPA_PLATFORM says otherwise. It shows nothing.
void EnsureApplication();

} // namespace turnix::bench
