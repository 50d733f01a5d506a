#pragma once

// Which monitors the saver paints. The settings dialog chooses, Velmora.ini
// keeps the choice, and the renderer reads it before it opens its window.
enum class MonitorChoice {
    // One painting of its own on every monitor.
    kEveryMonitor,
    // The painting on the primary monitor and a black cover over every other,
    // for people whose other monitors show something they watch.
    kMainMonitorOnly,
};
