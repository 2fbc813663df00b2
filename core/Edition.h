#pragma once

// The two programs built from this tree: vdrcam, the current edition, and
// vdrcam-early, the first.
enum class Edition { Current, First };
