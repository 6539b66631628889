#pragma once

#include <string>

namespace orrery {

// A key of the face in words, for screen readers: its name ("sine",
// "square root", "second functions") and what pressing it does.
struct KeyWords {
    std::string name;
    std::string description;
};

// Words for key index 0-44 (the key a button shows in the current mode);
// empty words outside the table.
KeyWords keyWords(int keyIndex);

// The button a keyboard arrow leads to from a button of the face, across
// rows of six and the bottom row of five; the same button at an edge.
enum class FaceDirection { Left, Right, Up, Down };
int neighbourButton(int buttonId, FaceDirection direction);

}  // namespace orrery
