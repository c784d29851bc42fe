#pragma once

namespace mk {

// How a key answers a press: with its pressed picture, the pressing hand,
// both, or neither.
enum class Feedback { PictureAndCursor, PictureOnly, CursorOnly, None };

} // namespace mk
